#include "work/background_runner.h"

#include <exception>
#include <string>

namespace quelmo {

void RunWorkCatching(const std::function<void(const BackgroundRunner::Post& post)>& work,
                     const BackgroundRunner::Post& post, const EscapeReporter& report) {
  RunCatching(
      "background work", [&] { work(post); },
      [&post, &report](std::string_view what) {
        if (report) post([report, what = std::string(what)] { report(what); });
      });
}

}  // namespace quelmo
