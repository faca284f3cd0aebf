#pragma once
// How form logic runs slow work off the window's thread: the host gives the
// form a runner; `work` runs elsewhere, and whatever it posts runs later on
// the window's thread, in the order posted. Form logic never touches its
// view from `work`, only from what it posts.

#include <functional>

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

// Runs the work at once on the calling thread and each posted task as it is
// posted: for tests and for hosts without threads.
class SynchronousRunner final : public BackgroundRunner {
 public:
  void Start(std::function<void(const Post& post)> work) override {
    work([](std::function<void()> task) { task(); });
  }
};

}  // namespace quelmo
