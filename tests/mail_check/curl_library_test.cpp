#include "mail_check/curl_library.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "mail_check/mail_check.h"

namespace quelmo {
namespace {

TEST(CurlLibrary, TheSystemsLibcurlServesTheCheck) {
  const Status ready = CurlReady();
  EXPECT_TRUE(ready.ok()) << ready.message();
  EXPECT_TRUE(MailCheckAvailable());
}

// A library that is not there, or that is not libcurl, is refused with its
// name or the first function it lacks. (The check's verdict without libcurl
// is tested on the real program: tests/cli/missing_library_test.sh.)
TEST(CurlLibrary, ALibraryThatCannotServeIsNamed) {
  const std::pair<const char*, const char*> cases[] = {
      {"libquelmo-no-such-library.so.0", "libquelmo-no-such-library.so.0"},
      {"libc.so.6", "curl_global_init"},
  };
  for (const auto& [file, named] : cases) {
    const Status probed = ProbeCurlLibrary(file);
    ASSERT_FALSE(probed.ok()) << file;
    EXPECT_NE(probed.message().find(named), std::string::npos) << probed.message();
  }
  EXPECT_TRUE(ProbeCurlLibrary("libcurl.so.4").ok());
}

}  // namespace
}  // namespace quelmo
