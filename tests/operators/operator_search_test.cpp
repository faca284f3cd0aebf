#include "operators/operator_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operators/sample_operators.h"

namespace quelmo {
namespace {

std::vector<std::string> Names(const std::vector<OperatorMatch>& matches) {
  std::vector<std::string> names;
  for (const OperatorMatch& match : matches) names.push_back(match.country->code + ":" + match.provider->name);
  return names;
}

TEST(OperatorSearch, FindsByNameOtherNameAndNetworkIdAsTyped) {
  const OperatorDatabase database = testing::SampleDatabase();
  using Names_ = std::vector<std::string>;
  const struct {
    const char* country;
    const char* text;
    Names_ expected;
  } kCases[] = {
      {"gb", "", {"gb:EE", "gb:giffgaff"}},
      {"gb", "   ", {"gb:EE", "gb:giffgaff"}},
      {"gb", "giff", {"gb:giffgaff"}},
      {"gb", "GIFF", {"gb:giffgaff"}},
      {"gb", " gaff ", {"gb:giffgaff"}},
      {"GB", "ee", {"gb:EE"}},
      {"gb", "23410", {"gb:giffgaff"}},
      {"gb", "234 10", {"gb:giffgaff"}},
      {"gb", "234-10", {"gb:giffgaff"}},
      {"gb", "234", {"gb:EE", "gb:giffgaff"}},
      {"gb", "26201", {}},
      {"gb", "-", {}},
      {"", "26201", {"de:Congstar"}},
      {"", "mobile", {"cn:China Mobile", "us:Mint Mobile"}},
      {"", "中国", {"cn:China Mobile"}},
      {"", "e", {"cn:China Mobile", "gb:EE", "us:Mint Mobile"}},
      {"zz", "", {}},
      {"gb", "vodafone", {}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Names(SearchOperators(database, c.country, c.text)), c.expected)
        << "country \"" << c.country << "\", text \"" << c.text << "\"";
  }
}

// Every text of up to five letters of "a" and "b" against names whose
// repeats make a search fall back part way (the case a linear search can get
// wrong), against a plain search for the answer.
TEST(OperatorSearch, FindsEveryTextThatRepeatsItself) {
  OperatorDatabase database;
  OperatorCountry& country = database.countries.emplace_back(OperatorCountry{"xx", {}});
  for (const char* name : {"aabaabaaab", "ABABABB", "baaaab", "abbabbaba", "a", "bbbbba"}) {
    country.providers.push_back({name, {}, {}, {}});
  }
  const auto lowered = [](std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
  };
  for (int length = 1; length <= 5; ++length) {
    for (int bits = 0; bits < (1 << length); ++bits) {
      std::string text;
      for (int i = 0; i < length; ++i) text += (bits >> i) & 1 ? 'b' : 'a';
      std::vector<std::string> expected;
      for (const auto& provider : country.providers) {
        if (lowered(provider.name).find(text) != std::string::npos) {
          expected.push_back("xx:" + provider.name);
        }
      }
      EXPECT_EQ(Names(SearchOperators(database, "xx", text)), expected) << text;
    }
  }
}

TEST(OperatorSearch, DigitsWithLettersSearchNamesOnly) {
  OperatorDatabase database = testing::SampleDatabase();
  database.countries[2].providers[0].name = "EE 234";
  EXPECT_EQ(Names(SearchOperators(database, "gb", "ee 2")), std::vector<std::string>{"gb:EE 234"});
  EXPECT_EQ(Names(SearchOperators(database, "gb", "ee 23410")), std::vector<std::string>{});
}

}  // namespace
}  // namespace quelmo

namespace quelmo {
namespace {

TEST(OperatorSearch, ANameAsTheDatabaseSpellsItLetterCaseAside) {
  const OperatorDatabase database = testing::SampleDatabase();
  const OperatorCountry& gb = *FindOperatorCountry(database, "GB");
  EXPECT_EQ(FindOperatorNamed(gb, "GiffGaff"), &gb.providers[1]);
  EXPECT_EQ(FindOperatorNamed(gb, "ee"), &gb.providers[0]);
  EXPECT_EQ(FindOperatorNamed(gb, "giff"), nullptr);
  EXPECT_EQ(FindOperatorCountry(database, "uk"), nullptr);
}

TEST(OperatorSearch, NearNamesForAMistypedOne) {
  OperatorCountry gb{"gb", {testing::Ee(), testing::Giffgaff()}};
  gb.providers.push_back({"Three", {}, {}, {}});
  gb.providers.push_back({"Vodafone", {}, {}, {}});
  const struct {
    const char* typed;
    std::vector<std::string> near;
  } kCases[] = {
      {"giffgaf", {"giffgaff"}},
      {"Giff Gaff", {"giffgaff"}},
      {"3", {"EE"}},
      {"tree", {"EE", "Three"}},  // "tree" holds "ee"
      {"vodaphone", {"Vodafone"}},
      {"O2", {"EE"}},
      {"Lycamobile", {}},
      {"", {"EE"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(NearOperatorNames(gb, c.typed, 3), c.near) << c.typed;
  EXPECT_EQ(NearOperatorNames(gb, std::string(10000, 'x'), 3), std::vector<std::string>{});
}

}  // namespace
}  // namespace quelmo
