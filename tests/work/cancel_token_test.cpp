// A Cancel button's request reaching work on another thread: the flag, and
// the waker that ends a wait at once.

#include "work/cancel_token.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quelmo {
namespace {

TEST(CancelToken, CancelSetsTheFlagAndCallsTheWakerSetThen) {
  const struct {
    const char* what;
    bool setWaker;
    bool clearWaker;
    int cancels;
    int wakes;
  } kCases[] = {
      {"no waker", false, false, 1, 0},
      {"a waker", true, false, 1, 1},
      {"each cancel wakes", true, false, 2, 2},
      {"a waker cleared before what it wakes is gone", true, true, 1, 0},
      {"never cancelled", true, false, 0, 0},
  };
  for (const auto& c : kCases) {
    CancelToken token;
    int wakes = 0;
    if (c.setWaker) token.SetWaker([&] { ++wakes; });
    if (c.clearWaker) token.SetWaker({});
    for (int i = 0; i < c.cancels; ++i) token.Cancel();
    EXPECT_EQ(token.cancelled(), c.cancels > 0) << c.what;
    EXPECT_EQ(wakes, c.wakes) << c.what;
  }
}

TEST(CancelToken, ACancelFromAnotherThreadEndsAWaitInProgress) {
  CancelToken token;
  std::mutex mutex;
  std::condition_variable woken;
  bool waiting = false;
  bool wake_called = false;
  token.SetWaker([&] {
    std::lock_guard lock(mutex);
    wake_called = true;
    woken.notify_all();
  });
  std::thread canceller([&] {
    std::unique_lock lock(mutex);
    woken.wait(lock, [&] { return waiting; });
    lock.unlock();
    token.Cancel();
  });
  bool ended_by_wake = false;
  {
    std::unique_lock lock(mutex);
    waiting = true;
    woken.notify_all();
    // Far longer than any run: a lost wake fails here instead of hanging.
    ended_by_wake = woken.wait_for(lock, std::chrono::minutes(1), [&] { return wake_called; });
  }
  canceller.join();
  token.SetWaker({});
  EXPECT_TRUE(ended_by_wake);
  EXPECT_TRUE(token.cancelled());
}

}  // namespace
}  // namespace quelmo
