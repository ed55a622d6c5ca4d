#include "search/fork_join.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vl {
namespace {

// The helpers, and the one fork-join they serve at a time. Parts are handed out under one
// lock held only to take a number, so a part is run exactly once and the fork-join's count of
// finished parts belongs to it alone: a fork-join cannot start until the one before has
// finished every part.
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
      part_ = &part;
      errors_ = &errors;
      parts_ = parts;
      next_part_ = 0;
      done_ = 0;
      job = ++job_;
    }
    wake_.notify_all();
    TakeParts(job);
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [&] { return done_ == parts; });
  }

 private:
  void Serve() {
    std::uint64_t served = 0;
    for (;;) {
      std::uint64_t job = 0;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [&] { return job_ != served; });
        job = job_;
      }
      served = job;
      TakeParts(job);
    }
  }

  // Runs parts of fork-join job until none is left to take.
  void TakeParts(std::uint64_t job) {
    for (;;) {
      unsigned p = 0;
      const std::function<void(unsigned)>* part = nullptr;
      std::vector<std::exception_ptr>* errors = nullptr;
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (job_ != job || next_part_ >= parts_) return;
        p = next_part_++;
        part = part_;
        errors = errors_;
      }
      try {
        (*part)(p);
      } catch (...) {
        (*errors)[p] = std::current_exception();
      }
      const std::lock_guard<std::mutex> lock(mutex_);
      if (++done_ == parts_) idle_.notify_all();
    }
  }

  std::mutex run_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::uint64_t job_ = 0;
  const std::function<void(unsigned)>* part_ = nullptr;
  std::vector<std::exception_ptr>* errors_ = nullptr;
  unsigned parts_ = 0;
  unsigned next_part_ = 0;
  unsigned done_ = 0;
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
