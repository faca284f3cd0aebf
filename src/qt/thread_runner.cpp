#include "qt/thread_runner.h"

#include <QMetaObject>

#include <utility>

namespace quelmo {

ThreadRunner::~ThreadRunner() {
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
  }
  for (auto& thread : threads) thread.join();
}

void ThreadRunner::Start(std::function<void(const Post& post)> work) {
  std::lock_guard lock(mutex_);
  threads_.emplace_back([this, work = std::move(work)] {
    const Post post = [this](std::function<void()> task) {
      // Queued to this object, which lives on the window thread.
      QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    };
    RunWorkCatching(work, post, report_);
  });
}

}  // namespace quelmo
