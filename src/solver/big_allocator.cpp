#include "solver/big_allocator.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
constexpr size_t huge_page = size_t{2} << 20;
}  // namespace

void* allocate_big(size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= huge_page) {
        void* memory = nullptr;
        if (posix_memalign(&memory, huge_page, bytes) != 0) throw std::bad_alloc();
        // Only a hint: without huge pages the memory is as good, in small pages.
        madvise(memory, bytes, MADV_HUGEPAGE);
        return memory;
    }
#endif
    return ::operator new(bytes);
}

void release_big(void* memory, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= huge_page) {
        std::free(memory);
        return;
    }
#endif
    ::operator delete(memory);
}
