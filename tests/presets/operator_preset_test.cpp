#include "presets/operator_preset.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "mms/mms_preset_table.h"
#include "smtp/gprs_presets.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Three countries: 0 with two operators, 1 with one, 2 with three.
constexpr OperatorPreset kRows[] = {
    {0, 0, "A0", {}}, {0, 1, "A1", {}}, {1, 0, "B0", {}},
    {2, 0, "C0", {}}, {2, 1, "C1", {}}, {2, 2, "C2", {}},
};

constexpr OperatorPreset kGap[] = {{0, 0, "A0", {}}, {0, 2, "A2", {}}};
constexpr OperatorPreset kCountrySkipped[] = {{0, 0, "A0", {}}, {2, 0, "C0", {}}};
constexpr OperatorPreset kLastCountryMissing[] = {{0, 0, "A0", {}}, {1, 0, "B0", {}}};
constexpr OperatorPreset kBackwards[] = {{1, 0, "B0", {}}, {0, 0, "A0", {}}};
constexpr OperatorPreset kCountryRepeated[] = {{0, 0, "A0", {}}, {1, 0, "B0", {}},
                                               {0, 1, "A1", {}}};

// The tables are checked while compiling; a check that took a malformed
// table would let a lookup meet it.
static_assert(PresetTableIsOrdered(kRows, 3, 3));
static_assert(!PresetTableIsOrdered(kRows, 3, 2), "three operators where two are the most");
static_assert(!PresetTableIsOrdered(kRows, 4, 3), "a fourth country without operators");
static_assert(!PresetTableIsOrdered(kRows, 2, 3), "a country more than the table has");
static_assert(!PresetTableIsOrdered(kGap, 1, 3));
static_assert(!PresetTableIsOrdered(kCountrySkipped, 3, 3));
static_assert(!PresetTableIsOrdered(kLastCountryMissing, 3, 3));
static_assert(!PresetTableIsOrdered(kBackwards, 2, 3));
static_assert(!PresetTableIsOrdered(kCountryRepeated, 2, 3));

TEST(OperatorPresetTest, OperatorsOfACountryAndTheirLookup) {
  const struct {
    int country;
    std::vector<std::string_view> names;
  } cases[] = {
      {0, {"A0", "A1"}}, {1, {"B0"}}, {2, {"C0", "C1", "C2"}}, {-1, {}}, {3, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.country);
    std::vector<std::string_view> names;
    for (const OperatorPreset& row : PresetOperatorsOf(kRows, c.country)) names.push_back(row.name);
    EXPECT_EQ(names, c.names);
    for (int i = -1; i <= static_cast<int>(c.names.size()); ++i) {
      const OperatorPreset* found = FindPresetOperator(kRows, c.country, i);
      if (i < 0 || i == static_cast<int>(c.names.size())) {
        EXPECT_EQ(found, nullptr) << i;
      } else {
        ASSERT_NE(found, nullptr) << i;
        EXPECT_EQ(found->name, c.names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(found->country, c.country);
      }
    }
  }
}

TEST(OperatorPresetTest, ChinaAloneIsNamedInChinese) {
  const std::string_view countries[] = {"Australia", "Belgium", "Brazil", "Bulgaria", "China",
                                        "Oesterreich", "Ceska republika"};
  constexpr OperatorPreset kChina[] = {
      {4, 0, "China Mobile", {}}, {4, 1, "China Unicom", {}}, {4, 2, "Third", {}}};
  EXPECT_EQ(PresetCountryName(countries, kPresetChina, kChinese), "中国");
  EXPECT_EQ(PresetCountryName(countries, kPresetChina, kEnglish), "China");
  EXPECT_EQ(PresetCountryName(countries, 2, kChinese), "Brazil");
  EXPECT_EQ(PresetCountryName(countries, -1, kEnglish), "");
  EXPECT_EQ(PresetCountryName(countries, 7, kEnglish), "");
  // A third Chinese operator has no Chinese name: its own.
  EXPECT_THAT(PresetOperatorNames(kChina, 4, kChinese), ElementsAre("中国移动", "中国联通", "Third"));
  EXPECT_THAT(PresetOperatorNames(kChina, 4, kEnglish),
              ElementsAre("China Mobile", "China Unicom", "Third"));
  EXPECT_THAT(PresetOperatorNames(kRows, 0, kChinese), ElementsAre("A0", "A1"));
  EXPECT_THAT(PresetOperatorNames(kRows, 5, kEnglish), IsEmpty());

  // English lists give the table's names, with the letters the table spells
  // in ASCII.
  EXPECT_THAT(PresetCountryNames(countries, kEnglish),
              ElementsAre("Australia", "Belgium", "Brazil", "Bulgaria", "China", "Österreich",
                          "Česká republika"));
  EXPECT_EQ(PresetCountryNames(countries, kChinese)[kPresetChina], "中国");
}

// Every country of both tables has its ISO code, or its list would show the
// table's English name in every language; no two share one.
TEST(OperatorPresetTest, EveryCountryOfBothTablesHasItsOwnCode) {
  for (const auto table : {MmsCountryTable(), GprsCountryTable()}) {
    std::set<std::string_view> codes;
    for (std::string_view name : table) {
      const std::string_view code = PresetCountryCode(name);
      EXPECT_EQ(code.size(), 2u) << name;
      EXPECT_TRUE(codes.insert(code).second) << name << " shares " << code;
    }
  }
  EXPECT_EQ(PresetCountryCode("Oesterreich"), "at");
  EXPECT_EQ(PresetCountryCode("Ceska republika"), "cz");
  EXPECT_EQ(PresetCountryCode("Atlantis"), "");
}

}  // namespace
}  // namespace quelmo
