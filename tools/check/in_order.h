#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Runs work(0) .. work(count - 1) on up to `jobs` threads and hands each result to `emit` in
// index order, each as soon as it and every one before it are done: the checker's output reads
// the same, line for line, whatever the number of threads. `work` must be safe to call from
// several threads at once; `emit` is called on the calling thread only.
void run_in_order(int32_t count, int jobs, const std::function<std::string(int32_t)>& work,
                  const std::function<void(int32_t, const std::string&)>& emit);
