#pragma once
// Background work for quelmo.exe's windows: each piece of work on a thread of
// its own; what it posts is queued and handled on the thread that made the
// runner (the window thread), woken by a message to a message-only window.
// Threads are joined when the runner goes: the forms cancel their work
// before that, and tasks still queued then are dropped unrun.

#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "work/background_runner.h"
#include "win32/win32_api.h"

namespace quelmo {

class Win32ThreadRunner final : public BackgroundRunner {
 public:
  // `report`: tells the user of work, or of a posted task, that ended by an
  // exception.
  explicit Win32ThreadRunner(EscapeReporter report = {});
  ~Win32ThreadRunner() override;
  Win32ThreadRunner(const Win32ThreadRunner&) = delete;
  Win32ThreadRunner& operator=(const Win32ThreadRunner&) = delete;

  void Start(std::function<void(const Post& post)> work) override;

  // Runs the tasks posted so far, here and now (the window procedure's job;
  // also for tests that wait on their own).
  void RunPosted();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Enqueue(std::function<void()> task);

  EscapeReporter report_;
  HWND window_ = nullptr;
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
  std::vector<std::thread> threads_;
};

}  // namespace quelmo
