#include "text/language_code.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

TEST(LanguageCodeTest, CodesWithoutTextsOfTheirOwnShowEnglish) {
  const struct {
    int stored;
    int shown;
  } cases[] = {
      {1, 1}, {2, 2}, {3, 3}, {10, 10}, {11, 11},  // every code 1..11 is its own
      {0, 2}, {12, 2}, {-1, 2}, {99, 2}, {255, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(ShownLanguage(c.stored), c.shown) << c.stored;
}

}  // namespace
}  // namespace quelmo
