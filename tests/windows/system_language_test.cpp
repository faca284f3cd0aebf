// The system default language as Windows reports it. Wine takes it from
// LC_ALL, so CMake runs these cases once per locale with the identifier to
// expect in QUELMO_EXPECTED_LANGUAGE_ID; run without it, they are skipped.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "session/default_language.h"

namespace quelmo {
namespace {

std::optional<std::uint16_t> ExpectedLanguageId() {
  const char* text = std::getenv("QUELMO_EXPECTED_LANGUAGE_ID");
  if (text == nullptr || *text == '\0') return std::nullopt;
  return static_cast<std::uint16_t>(std::stoul(text, nullptr, 16));
}

TEST(SystemLanguage, IsTheLocalesLanguageIdAndGivesItsStartLanguage) {
  const std::optional<std::uint16_t> expected = ExpectedLanguageId();
  if (!expected) GTEST_SKIP() << "QUELMO_EXPECTED_LANGUAGE_ID is not set";

  EXPECT_EQ(SystemDefaultLanguageId(), *expected);

  // Only Chinese (PRC) and German (Liechtenstein) start in a language other
  // than English; German (Germany) does not.
  const std::uint16_t start_code = *expected == 0x0804 ? 1 : *expected == 0x1407 ? 3 : 2;
  EXPECT_EQ(DefaultLanguageCode(SystemDefaultLanguageId()), start_code);
}

TEST(DefaultFolder, IsTheRootOfDriveC) { EXPECT_EQ(DefaultDestinationFolder(), "C:\\"); }

}  // namespace
}  // namespace quelmo
