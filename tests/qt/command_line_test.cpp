#include "qt/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quelmo {
namespace {

TEST(CommandLine, ScreenshotsWithAnOptionalLanguage) {
  const Result<CommandLine> plain = ParseCommandLine({});
  ASSERT_TRUE(plain.ok());
  EXPECT_FALSE(plain->screenshotFolder.has_value());

  const Result<CommandLine> shots = ParseCommandLine({"--screenshots", "out", "--language", "10"});
  ASSERT_TRUE(shots.ok()) << shots.message();
  EXPECT_EQ(shots->screenshotFolder, "out");
  EXPECT_EQ(shots->language, 10);

  const Result<CommandLine> version = ParseCommandLine({"--version"});
  ASSERT_TRUE(version.ok());
  EXPECT_TRUE(version->version);

  // Qt's own options are left to Qt.
  EXPECT_TRUE(ParseCommandLine({"-platform", "offscreen"}).ok());
}

TEST(CommandLine, RefusesWhatItCannotUse) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--screenshots"},
           {"--screenshots", "out", "--language", "12"},
           {"--screenshots", "out", "--language", "0"},
           {"--screenshots", "out", "--language", "2x"},
           {"--language", "3"},  // only for screenshots
           {"--colour"},
           {"stray"},
       }) {
    EXPECT_FALSE(ParseCommandLine(arguments).ok()) << arguments.front();
  }
}

#if !defined(_WIN32) && !defined(__APPLE__)
// Sets or clears an environment variable for one test, then puts it back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(CommandLine, ADisplayIsAnyWayToReachAWindowSystem) {
  ScopedVariable display("DISPLAY", nullptr);
  ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
  ScopedVariable platform("QT_QPA_PLATFORM", nullptr);
  EXPECT_FALSE(DisplayAvailable({}));
  EXPECT_TRUE(DisplayAvailable({"-platform", "offscreen"}));
  {
    ScopedVariable x11("DISPLAY", ":0");
    EXPECT_TRUE(DisplayAvailable({}));
  }
  {
    ScopedVariable empty("WAYLAND_DISPLAY", "");
    EXPECT_FALSE(DisplayAvailable({}));
  }
}
#endif

}  // namespace
}  // namespace quelmo
