#include "work/escaped_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {
namespace {

using ::testing::AnyOf;
using ::testing::HasSubstr;

// What escapes a body, what the user and the log are told of it.
TEST(RunCatching, AnEscapedExceptionIsLoggedAndReportedNeverPassedOn) {
  const struct {
    const char* name;
    std::function<void()> body;
    bool escapes;
    std::string what;
  } cases[] = {
      {"nothing escapes", [] {}, false, ""},
      {"memory ran out", [] { throw std::bad_alloc(); }, true, std::bad_alloc().what()},
      {"a standard error", [] { throw std::runtime_error("list index 7"); }, true, "list index 7"},
      {"not a std::exception", [] { throw 42; }, true, "an exception of an unknown type"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> reported;
    ::testing::internal::CaptureStderr();
    const bool ran = RunCatching("a click", c.body,
                                 [&](std::string_view what) { reported.emplace_back(what); });
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ran, !c.escapes);
    if (c.escapes) {
      EXPECT_EQ(reported, std::vector<std::string>{c.what});
      EXPECT_EQ(log, "quelmo: unexpected error in a click: " + c.what + "\n");
    } else {
      EXPECT_TRUE(reported.empty());
      EXPECT_EQ(log, "");
    }
  }
}

TEST(RunCatching, AReportThatFailsTooIsLoggedAndGoesNoFurther) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(RunCatching(
      "a worker thread", [] { throw std::runtime_error("first"); },
      [](std::string_view) { throw std::bad_alloc(); }));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "quelmo: unexpected error in a worker thread: first\n"
            "quelmo: unexpected error in the report of an earlier error: it failed as well\n");
}

TEST(EscapedErrorMessage, SaysTheErrorInEveryLanguage) {
  for (const LanguageRow& row : LanguageRows()) {
    SCOPED_TRACE(row.nativeName);
    const std::size_t missed = MissedLookups();
    const std::string message = EscapedErrorMessage("std::bad_alloc", row.code);
    EXPECT_EQ(MissedLookups(), missed);
    EXPECT_THAT(message, AnyOf(HasSubstr("(std::bad_alloc)"), HasSubstr("（std::bad_alloc）")));
    EXPECT_EQ(message.find('{'), std::string::npos);
  }
}

}  // namespace
}  // namespace quelmo
