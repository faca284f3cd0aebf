#include "work/cancel_token.h"

#include <utility>

namespace quelmo {

void CancelToken::Cancel() {
  cancelled_.store(true);
  std::lock_guard lock(mutex_);
  if (waker_) waker_();
}

void CancelToken::SetWaker(std::function<void()> waker) {
  std::lock_guard lock(mutex_);
  waker_ = std::move(waker);
}

}  // namespace quelmo
