#include "work/background_runner.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
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

}  // namespace
}  // namespace quelmo
