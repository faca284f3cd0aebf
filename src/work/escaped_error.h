#pragma once
// An exception that reaches a host boundary: an event handler, a dialog
// procedure, a worker thread. The program returns its errors as values, so
// one there is something no code expected (memory ran out, say). Each
// boundary catches it once, writes a line to the log and tells the user,
// rather than letting the program end without a word.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace quelmo {

// Tells the user of an escaped exception, `what` being its own text; a host
// shows EscapedErrorMessage as a warning over its window.
using EscapeReporter = std::function<void(std::string_view what)>;

// The text of `escaped`: its what(), or a fixed text for one that is not a
// std::exception.
std::string EscapedErrorText(const std::exception_ptr& escaped);

// What the user is told, in the language of `language_index`.
std::string EscapedErrorMessage(std::string_view what, int language_index);

// Writes "quelmo: unexpected error in <where>: <what>" to the log (the error
// stream), then hands `what` to `report` when there is one. A report that
// fails as well is logged and goes no further.
void ReportEscaped(std::string_view where, const std::exception_ptr& escaped,
                   const EscapeReporter& report);

// Runs `body`; an exception that escapes it is reported as from `where`.
// False then.
template <class Body>
bool RunCatching(std::string_view where, Body&& body, const EscapeReporter& report) {
  try {
    body();
    return true;
  } catch (...) {
    ReportEscaped(where, std::current_exception(), report);
    return false;
  }
}

}  // namespace quelmo
