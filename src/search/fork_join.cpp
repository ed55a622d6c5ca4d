#include "search/fork_join.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vl {
namespace {

// The helpers, and the one fork-join they serve at a time. A part is taken by one atomic step
// on a word that holds the fork-join's number and the next part, so taking a part never waits
// for a lock that a helper the system does not run may hold, and a helper that wakes late
// cannot take a part of a later fork-join.
class Helpers {
 public:
  // Never destroyed: the helpers wait on it until the process ends.
  static Helpers& Instance() {
    static Helpers* helpers = new Helpers;
    return *helpers;
  }

  void Start(unsigned count) {
    const std::lock_guard<std::mutex> lock(mutex_);
    try {
      for (; started_ < count; ++started_) std::thread([this] { Serve(); }).detach();
    } catch (...) {
    }
  }

  void Run(unsigned parts, unsigned threads, const std::function<void(unsigned)>& part,
           std::vector<std::exception_ptr>& errors) {
    const std::lock_guard<std::mutex> one_at_a_time(run_);
    Start(threads - 1);
    std::uint64_t job = 0;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      part_.store(&part, std::memory_order_relaxed);
      errors_.store(&errors, std::memory_order_relaxed);
      parts_.store(parts, std::memory_order_relaxed);
      done_.store(0, std::memory_order_relaxed);
      job = (next_.load(std::memory_order_relaxed) >> 32) + 1;
      next_.store(job << 32, std::memory_order_release);
    }
    wake_.notify_all();
    TakeParts(job);
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [&] { return done_.load(std::memory_order_acquire) == parts; });
  }

 private:
  void Serve() {
    std::uint64_t served = 0;
    for (;;) {
      std::uint64_t job = 0;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return (next_.load(std::memory_order_acquire) >> 32) != served; });
        job = next_.load(std::memory_order_acquire) >> 32;
      }
      served = job;
      TakeParts(job);
    }
  }

  // Runs parts of fork-join job until none is left to take.
  void TakeParts(std::uint64_t job) {
    for (;;) {
      std::uint64_t next = next_.load(std::memory_order_acquire);
      const unsigned parts = parts_.load(std::memory_order_acquire);
      const std::function<void(unsigned)>* part = part_.load(std::memory_order_acquire);
      std::vector<std::exception_ptr>* errors = errors_.load(std::memory_order_acquire);
      if ((next >> 32) != job || std::uint32_t(next) >= parts) return;
      if (!next_.compare_exchange_weak(next, next + 1, std::memory_order_acq_rel)) continue;
      // Taken while the fork-join waits for it: what was read above belongs to it.
      const auto p = unsigned(std::uint32_t(next));
      try {
        (*part)(p);
      } catch (...) {
        (*errors)[p] = std::current_exception();
      }
      if (done_.fetch_add(1, std::memory_order_acq_rel) + 1 == parts) {
        const std::lock_guard<std::mutex> lock(mutex_);
        idle_.notify_all();
      }
    }
  }

  std::mutex run_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  // The fork-join's number (high 32 bits) and its next part not yet taken (low 32 bits).
  std::atomic<std::uint64_t> next_{0};
  std::atomic<const std::function<void(unsigned)>*> part_{nullptr};
  std::atomic<std::vector<std::exception_ptr>*> errors_{nullptr};
  std::atomic<unsigned> parts_{0};
  std::atomic<unsigned> done_{0};
  unsigned started_ = 0;
};

}  // namespace

unsigned CoreCount() {
  return std::clamp(std::thread::hardware_concurrency(), 1u, kMaxParts);
}

void StartHelpers(unsigned threads) {
  if (threads > 1) Helpers::Instance().Start(std::min(threads, kMaxParts) - 1);
}

void ForkJoin(unsigned parts, unsigned threads, const std::function<void(unsigned)>& part) {
  if (parts <= 1 || threads <= 1) {
    for (unsigned p = 0; p < parts; ++p) part(p);
    return;
  }
  std::vector<std::exception_ptr> errors(parts);
  Helpers::Instance().Run(parts, std::min(threads, kMaxParts), part, errors);
  for (const std::exception_ptr& error : errors) {
    if (error) std::rethrow_exception(error);
  }
}

}  // namespace vl
