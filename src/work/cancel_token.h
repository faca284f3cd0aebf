#pragma once
// A request to stop long work early, shared between the thread that asks
// (a Cancel button) and the thread that works. The worker may register a
// waker so that a wait in progress ends at once instead of at its next
// timeout.

#include <atomic>
#include <functional>
#include <mutex>

namespace quelmo {

class CancelToken {
 public:
  void Cancel();
  bool cancelled() const { return cancelled_.load(); }

  // While set, Cancel() also calls `waker` (from the cancelling thread). Set
  // an empty function before what it wakes is gone.
  void SetWaker(std::function<void()> waker);

 private:
  std::atomic<bool> cancelled_{false};
  std::mutex mutex_;
  std::function<void()> waker_;
};

}  // namespace quelmo
