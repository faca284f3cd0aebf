#include "work/escaped_error.h"

#include <cstdio>

#include "text/translate.h"

namespace quelmo {
namespace {

void LogLine(std::string_view where, std::string_view what) {
  std::fprintf(stderr, "quelmo: unexpected error in %.*s: %.*s\n", static_cast<int>(where.size()),
               where.data(), static_cast<int>(what.size()), what.data());
  std::fflush(stderr);
}

}  // namespace

std::string EscapedErrorText(const std::exception_ptr& escaped) {
  try {
    std::rethrow_exception(escaped);
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an exception of an unknown type";
  }
}

std::string EscapedErrorMessage(std::string_view what, int language_index) {
  return FillIn(Translate(language_index,
                          "An unexpected error occurred ({detail}). The last action may not have "
                          "been completed; please check it and try again."),
                {{"detail", what}});
}

void ReportEscaped(std::string_view where, const std::exception_ptr& escaped,
                   const EscapeReporter& report) {
  try {
    const std::string what = EscapedErrorText(escaped);
    LogLine(where, what);
    if (report) report(what);
  } catch (...) {
    // Memory may still be short: the fixed texts need none.
    LogLine("the report of an earlier error", "it failed as well");
  }
}

}  // namespace quelmo
