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

TEST(OperatorSearch, DigitsWithLettersSearchNamesOnly) {
  OperatorDatabase database = testing::SampleDatabase();
  database.countries[2].providers[0].name = "EE 234";
  EXPECT_EQ(Names(SearchOperators(database, "gb", "ee 2")), std::vector<std::string>{"gb:EE 234"});
  EXPECT_EQ(Names(SearchOperators(database, "gb", "ee 23410")), std::vector<std::string>{});
}

}  // namespace
}  // namespace quelmo
