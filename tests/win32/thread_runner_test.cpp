// quelmo.exe's background runner: work off the window thread, what it posts
// back on it, in order, and only when that thread handles its messages.

#include <algorithm>
#include <atomic>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "win32/thread_runner.h"

namespace quelmo {
namespace {

// Handles this thread's messages until `done` says so (each wait ends with a
// message the worker has already posted: no clock involved).
template <typename Done>
void HandleMessagesUntil(Done done) {
  while (!done()) {
    MSG message;
    ASSERT_GT(GetMessageW(&message, nullptr, 0, 0), 0);
    DispatchMessageW(&message);
  }
}

TEST(Win32ThreadRunner, WorkRunsElsewhereAndItsTasksHereInOrder) {
  Win32ThreadRunner runner;
  const std::thread::id window_thread = std::this_thread::get_id();
  std::promise<std::thread::id> worker;
  std::promise<void> posted;
  std::vector<std::string> ran;
  std::vector<std::thread::id> ran_on;

  runner.Start([&](const BackgroundRunner::Post& post) {
    worker.set_value(std::this_thread::get_id());
    for (const char* name : {"first", "second", "third"}) {
      post([&, name] {
        ran.emplace_back(name);
        ran_on.push_back(std::this_thread::get_id());
      });
    }
    posted.set_value();
  });
  EXPECT_NE(worker.get_future().get(), window_thread);
  posted.get_future().wait();
  // Nothing runs until the window thread handles its messages.
  EXPECT_TRUE(ran.empty());

  HandleMessagesUntil([&] { return ran.size() == 3; });
  EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "third"}));
  for (const auto& id : ran_on) EXPECT_EQ(id, window_thread);
}

TEST(Win32ThreadRunner, ATaskMayStartMoreWork) {
  Win32ThreadRunner runner;
  std::vector<int> ran;
  runner.Start([&](const BackgroundRunner::Post& post) {
    post([&] {
      ran.push_back(1);
      runner.Start([&](const BackgroundRunner::Post& again) { again([&] { ran.push_back(2); }); });
    });
  });
  HandleMessagesUntil([&] { return ran.size() == 2; });
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(Win32ThreadRunner, GoingJoinsTheWorkAndDropsWhatWasNotRun) {
  std::atomic<bool> finished{false};
  bool task_ran = false;
  {
    Win32ThreadRunner runner;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    runner.Start([&, released](const BackgroundRunner::Post& post) {
      released.wait();
      post([&] { task_ran = true; });
      finished = true;
    });
    release.set_value();
  }
  EXPECT_TRUE(finished);
  // Its message went with its window; nothing is left to run it.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_FALSE(task_ran);
}

// Work or a task that ends by an exception does not end the program: the user
// is told on the window thread, and the runner goes on taking work.
TEST(Win32ThreadRunner, WhatEscapesWorkOrATaskIsToldOnTheWindowThread) {
  const std::thread::id window_thread = std::this_thread::get_id();
  std::vector<std::string> told;
  std::vector<std::thread::id> told_on;
  Win32ThreadRunner runner([&](std::string_view what) {
    told.emplace_back(what);
    told_on.push_back(std::this_thread::get_id());
  });
  runner.Start([](const BackgroundRunner::Post&) { throw std::runtime_error("in the work"); });
  runner.Start([](const BackgroundRunner::Post& post) {
    post([] { throw std::runtime_error("in a task"); });
  });
  bool after = false;
  runner.Start([&](const BackgroundRunner::Post& post) { post([&] { after = true; }); });
  HandleMessagesUntil([&] { return told.size() == 2 && after; });
  std::sort(told.begin(), told.end());  // the two threads race
  EXPECT_EQ(told, (std::vector<std::string>{"in a task", "in the work"}));
  for (const auto& id : told_on) EXPECT_EQ(id, window_thread);
}

}  // namespace
}  // namespace quelmo
