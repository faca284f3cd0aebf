#include "win32/thread_runner.h"

#include <utility>

namespace quelmo {
namespace {

constexpr wchar_t kClassName[] = L"QuelmoThreadRunner";
constexpr UINT kPosted = WM_APP + 0x24;

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcW;  // replaced per window below
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  (void)registered;
}

}  // namespace

Win32ThreadRunner::Win32ThreadRunner(EscapeReporter report) : report_(std::move(report)) {
  RegisterClassOnce();
  // Message-only: never shown, never enumerated, but its messages come
  // through the thread's loop like any window's (modal loops included).
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  }
}

Win32ThreadRunner::~Win32ThreadRunner() {
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
  }
  // Posting only queues, so a worker never waits on this thread: joining
  // cannot deadlock.
  for (auto& thread : threads) thread.join();
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32ThreadRunner::Start(std::function<void(const Post& post)> work) {
  std::lock_guard lock(mutex_);
  threads_.emplace_back([this, work = std::move(work)] {
    const Post post = [this](std::function<void()> task) { Enqueue(std::move(task)); };
    RunWorkCatching(work, post, report_);
  });
}

void Win32ThreadRunner::Enqueue(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  // One wake-up per task; a wake-up that finds the queue emptied by an
  // earlier one does nothing.
  if (window_ != nullptr) PostMessageW(window_, kPosted, 0, 0);
}

void Win32ThreadRunner::RunPosted() {
  for (;;) {
    std::function<void()> task;
    {
      std::lock_guard lock(mutex_);
      if (tasks_.empty()) return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    // Outside the lock: a task may open a modal question, whose loop runs
    // this again, or start more work. Nothing may unwind into the window
    // procedure that runs this.
    RunCatching("a task posted by background work", task, report_);
  }
}

LRESULT CALLBACK Win32ThreadRunner::Procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == kPosted) {
    auto* runner = reinterpret_cast<Win32ThreadRunner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (runner != nullptr) runner->RunPosted();
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace quelmo
