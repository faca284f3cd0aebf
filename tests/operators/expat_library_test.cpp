#include "operators/expat_library.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace quelmo {
namespace {

// A library that is not there, or that is not expat, is refused with its
// name or the first function it lacks. (Reading the database without expat
// is tested on the real program: tests/cli/missing_library_test.sh.)
TEST(ExpatLibrary, OnlyALibraryWithEveryFunctionServes) {
  EXPECT_TRUE(ExpatReady().ok()) << ExpatReady().message();
  EXPECT_TRUE(ProbeExpatLibrary("libexpat.so.1").ok());
  const std::pair<const char*, const char*> cases[] = {
      {"libquelmo-no-such-library.so.0", "libquelmo-no-such-library.so.0"},
      {"libc.so.6", "XML_ParserCreate"},
  };
  for (const auto& [file, named] : cases) {
    const Status probed = ProbeExpatLibrary(file);
    ASSERT_FALSE(probed.ok()) << file;
    EXPECT_NE(probed.message().find(named), std::string::npos) << probed.message();
  }
}

}  // namespace
}  // namespace quelmo
