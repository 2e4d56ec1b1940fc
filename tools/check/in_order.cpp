#include "in_order.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

void run_in_order(int32_t count, int jobs, const std::function<std::string(int32_t)>& work,
                  const std::function<void(int32_t, const std::string&)>& emit) {
    if (count <= 0) return;
    const int threads = std::max(1, std::min(jobs, static_cast<int>(count)));
    if (threads == 1) {
        for (int32_t index = 0; index < count; ++index) emit(index, work(index));
        return;
    }
    std::vector<std::optional<std::string>> results(static_cast<size_t>(count));
    std::atomic<int32_t> next{0};
    std::mutex guard;
    std::condition_variable finished;
    std::vector<std::thread> workers;
    workers.reserve(static_cast<size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int32_t index = next++; index < count; index = next++) {
                std::string result = work(index);
                std::lock_guard<std::mutex> lock(guard);
                results[static_cast<size_t>(index)] = std::move(result);
                finished.notify_one();
            }
        });
    }
    for (int32_t index = 0; index < count; ++index) {
        std::unique_lock<std::mutex> lock(guard);
        finished.wait(lock, [&] { return results[static_cast<size_t>(index)].has_value(); });
        std::string result = std::move(*results[static_cast<size_t>(index)]);
        lock.unlock();
        emit(index, result);
    }
    for (std::thread& worker : workers) worker.join();
}
