#include "work/background_runner.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quelmo {
namespace {

// What a runner's thread does with its work; the posts wait in a queue, as
// they would for the window thread.
TEST(RunWorkCatching, WorkThatEndsByAnExceptionIsToldThroughThePosts) {
  for (const bool throws : {false, true}) {
    SCOPED_TRACE(throws ? "throws" : "ends well");
    std::vector<std::function<void()>> queue;
    std::vector<std::string> ran;
    const BackgroundRunner::Post post = [&](std::function<void()> task) {
      queue.push_back(std::move(task));
    };
    ::testing::internal::CaptureStderr();
    RunWorkCatching(
        [&](const BackgroundRunner::Post& posting) {
          posting([&] { ran.emplace_back("task"); });
          if (throws) throw std::runtime_error("disk gone");
        },
        post, [&](std::string_view what) { ran.push_back("told: " + std::string(what)); });
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ran.empty()) << "nothing is told off the window thread";
    for (const auto& task : queue) task();
    if (throws) {
      EXPECT_EQ(ran, (std::vector<std::string>{"task", "told: disk gone"}));
      EXPECT_EQ(log, "quelmo: unexpected error in background work: disk gone\n");
    } else {
      EXPECT_EQ(ran, std::vector<std::string>{"task"});
      EXPECT_EQ(log, "");
    }
  }
}

// The runner for tests and hosts without threads: the work runs at once,
// and what it posts runs in the order posted, before Start returns.
TEST(SynchronousRunner, RunsTheWorkAndEachPostInOrderOnTheCallingThread) {
  SynchronousRunner runner;
  BackgroundRunner& host = runner;
  std::string log;
  const std::thread::id caller = std::this_thread::get_id();
  bool same_thread = true;
  host.Start([&](const BackgroundRunner::Post& post) {
    log += "w";
    for (char step : std::string("123")) {
      post([&, step] {
        log += step;
        same_thread = same_thread && std::this_thread::get_id() == caller;
      });
    }
    log += "e";
  });
  log += "|";
  EXPECT_EQ(log, "w123e|");
  EXPECT_TRUE(same_thread);

  // Work that posts nothing, twice on one runner.
  host.Start([&](const BackgroundRunner::Post&) { log += "x"; });
  host.Start([&](const BackgroundRunner::Post&) { log += "y"; });
  EXPECT_EQ(log, "w123e|xy");
}

}  // namespace
}  // namespace quelmo
