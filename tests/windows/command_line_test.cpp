// Arguments outside the ANSI code page reach the program intact. CMake runs
// this case with such an argument after the test's own flags; run without
// it, the case is skipped.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/command_line.h"

namespace quelmo {
namespace {

constexpr const char* kArgument = "Müller 相机 ❄";

TEST(Utf8Arguments, KeepCharactersOutsideTheAnsiCodePage) {
  const std::vector<std::string> arguments = Utf8Arguments(__argc, __argv);
  if (arguments.empty() || arguments.back().rfind("--gtest", 0) == 0) {
    GTEST_SKIP() << "run without the test argument";
  }
  EXPECT_EQ(arguments.back(), kArgument);
  EXPECT_EQ(arguments.size(), static_cast<std::size_t>(__argc - 1));
}

}  // namespace
}  // namespace quelmo
