#pragma once

#include <cstddef>

// Memory for the searches' largest arrays (the stored positions, their table, the queue). A
// search touches new memory all the time, and the system then hands it over a page at a time;
// on a virtual machine every such page fault is dear. Where the system offers huge pages,
// allocations of at least one huge page are aligned to one and ask for them, so that a growing
// search takes one fault per 2 MiB instead of one per 4 KiB. Smaller ones are plain.
void* allocate_big(size_t bytes);
void release_big(void* memory, size_t bytes);

template <typename T>
struct BigAllocator {
    using value_type = T;
    BigAllocator() = default;
    template <typename U>
    BigAllocator(const BigAllocator<U>&) {}
    T* allocate(size_t count) { return static_cast<T*>(allocate_big(count * sizeof(T))); }
    void deallocate(T* memory, size_t count) { release_big(memory, count * sizeof(T)); }
    template <typename U>
    bool operator==(const BigAllocator<U>&) const {
        return true;
    }
    template <typename U>
    bool operator!=(const BigAllocator<U>&) const {
        return false;
    }
};
