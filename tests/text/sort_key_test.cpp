#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/utf8.h"

namespace quelmo {
namespace {

TEST(SortKeyTest, AccentedLettersSortBesideTheirBaseLetter) {
  std::vector<std::string> names = {"Zypern", "Österreich", "Ägypten", "Albanien",
                                    "Oman", "Čile", "Chile", "ägypten", "日本", "Peru"};
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return SortKey(a) < SortKey(b);
  });
  const std::vector<std::string> expected = {"Ägypten", "ägypten", "Albanien", "Chile", "Čile",
                                             "Oman",    "Österreich", "Peru", "Zypern", "日本"};
  EXPECT_EQ(names, expected);
}

TEST(SortKeyTest, KeysOfSingleCharacters) {
  const struct {
    std::string text;
    std::string key;
  } cases[] = {
      {"A", "a"},  {"z", "z"},   {"À", "a"},  {"ß", "s"}, {"ÿ", "y"}, {"Ā", "a"}, {"ő", "o"},
      {"Ł", "l"},  {"ſ", "s"},   {"ų", "u"},  {"×", "*"}, {"中", "中"}, {"1", "1"},
      {"\xFF", "\xFF"},  // a byte that is no UTF-8 stays as it is
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SortKey(c.text), c.key) << c.text;
}

}  // namespace
}  // namespace quelmo
