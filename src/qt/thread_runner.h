#pragma once
// Background work for the windows: each piece of work on a thread of its
// own; what it posts runs on the window thread through Qt's event queue.
// Threads are joined when the runner goes: the forms cancel their work
// before that.

#include <QObject>

#include <mutex>
#include <thread>
#include <vector>

#include "work/background_runner.h"

namespace quelmo {

class ThreadRunner final : public QObject, public BackgroundRunner {
 public:
  // `report`: tells the user of work that ended by an exception.
  explicit ThreadRunner(EscapeReporter report = {}) : report_(std::move(report)) {}
  ~ThreadRunner() override;

  void Start(std::function<void(const Post& post)> work) override;

 private:
  EscapeReporter report_;
  std::mutex mutex_;
  std::vector<std::thread> threads_;
};

}  // namespace quelmo
