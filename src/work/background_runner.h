#pragma once
// How form logic runs slow work off the window's thread: the host gives the
// form a runner; `work` runs elsewhere, and whatever it posts runs later on
// the window's thread, in the order posted. Form logic never touches its
// view from `work`, only from what it posts.

#include <functional>

#include "work/escaped_error.h"

namespace quelmo {

class BackgroundRunner {
 public:
  using Post = std::function<void(std::function<void()>)>;
  virtual ~BackgroundRunner() = default;

  // Starts `work(post)`. `post(task)` may be called from the work any number
  // of times; each task runs on the window's thread. The runner outlives the
  // work: a host ends the work (by its cancel token) before it goes.
  virtual void Start(std::function<void(const Post& post)> work) = 0;
};

// What a runner's thread does with a piece of work: runs `work(post)`. An
// exception that escapes the work is logged, and `report` is posted to run
// on the window's thread, rather than the thread ending the program.
void RunWorkCatching(const std::function<void(const BackgroundRunner::Post& post)>& work,
                     const BackgroundRunner::Post& post, const EscapeReporter& report);

// Runs the work at once on the calling thread and each posted task as it is
// posted: for tests and for hosts without threads.
class SynchronousRunner final : public BackgroundRunner {
 public:
  void Start(std::function<void(const Post& post)> work) override {
    work([](std::function<void()> task) { task(); });
  }
};

}  // namespace quelmo
