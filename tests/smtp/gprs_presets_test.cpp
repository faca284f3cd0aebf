#include "smtp/gprs_presets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "smtp/gprs_checks.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(GprsPresetsTest, CountriesAndTheirOperators) {
  EXPECT_EQ(GprsPresetRows().size(), 112u);
  const struct {
    int country;
    const char* name;
    std::size_t operators;
    const char* first;
  } cases[] = {
      {0, "Australia", 3, "Optus"},          {4, "China", 2, "China Mobile"},
      {6, "Cyprus", 1, "Cyta"},              {7, "Croatia", 1, "VIPNet"},
      {9, "Deutschland", 10, "Vodafone"},    {22, "Latvia", 1, "LMT"},
      {23, "Namibia", 1, "MTC"},             {25, "Netherlands", 8, "T-Mobile"},
      {26, "New Zealand", 1, "Vodafone"},    {27, "Oesterreich", 8, "A1"},
      {31, "Romania", 1, "Orange"},          {32, "switzerland", 4, "Orange(for subscriptions)"},
      {41, "Ukraine", 3, "KiyvStar"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GprsEnglishCountryName(c.country), c.name);
    ASSERT_EQ(GprsOperators(c.country).size(), c.operators) << c.name;
    EXPECT_EQ(GprsOperators(c.country)[0].operatorName, c.first) << c.name;
  }
  EXPECT_EQ(GprsOperators(9)[9].operatorName, "Klarmobil");
}

TEST(GprsPresetsTest, PairsOutsideTheTableFindNothing) {
  const std::pair<int, int> outside[] = {{-1, 0}, {42, 0}, {6, 1}, {9, 10}, {4, -1}, {128, 0}};
  for (const auto& [country, op] : outside) {
    EXPECT_EQ(FindGprsPreset(country, op), nullptr) << country << "/" << op;
  }
  EXPECT_TRUE(GprsOperators(42).empty());
  EXPECT_EQ(GprsCountryName(42, 2), "");
  ASSERT_NE(FindGprsPreset(4, 0), nullptr);
  EXPECT_EQ(FindGprsPreset(4, 0)->apn, "cmnet");
}

// Every offered entry against the limits a preset must keep; the entries
// without public data are listed, so a change to them shows here.
TEST(GprsPresetsTest, EveryEntryWithinItsLimitsAndTheEntriesWithoutData) {
  std::vector<std::string> without_data;
  for (const GprsPresetRow& row : GprsPresetRows()) {
    const std::string label = std::string(GprsEnglishCountryName(row.country)) + " / " +
                              std::string(row.operatorName);
    EXPECT_LE(row.apn.size(), 25u) << label;
    EXPECT_LE(row.account.size(), 20u) << label;
    EXPECT_LE(row.password.size(), 11u) << label;
    if (row.apn.empty()) {
      EXPECT_TRUE(row.account.empty() && row.password.empty()) << label;
      without_data.push_back(label);
    }
  }
  EXPECT_THAT(without_data,
              ElementsAre("Belgium / Aldi Talk", "Namibia / MTC", "Netherlands / Vectone Mobile",
                          "Oesterreich / B Free Broadband", "Slovenia / izimobil"));
}

TEST(GprsPresetsTest, NamesByLanguage) {
  const struct {
    int language;
    const char* china;
    std::vector<std::string> operators;
  } cases[] = {
      {1, "中国", {"中国移动", "中国联通"}},
      {2, "China", {"China Mobile", "China Unicom"}},
      {10, "China", {"China Mobile", "China Unicom"}},
      {0, "China", {"China Mobile", "China Unicom"}},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> countries = GprsCountryNames(c.language);
    ASSERT_EQ(countries.size(), 42u);
    EXPECT_EQ(countries[4], c.china) << c.language;
    EXPECT_EQ(countries[3], "Bulgaria");
    EXPECT_EQ(GprsOperatorNames(4, c.language), c.operators) << c.language;
  }
  // Only China differs.
  EXPECT_EQ(GprsOperatorNames(9, 1), GprsOperatorNames(9, 2));
}

TEST(GprsPresetsTest, SaveTakesThePresetInAutoModeOnly) {
  GprsSettings typed;
  typed.apn = "typed.apn";
  typed.gprsAccount = "typed";
  typed.gprsPassword = "typed";
  const struct {
    int mode;
    int country;
    int op;
    std::optional<GprsCheck> failed;
    const char* apn;
    const char* account;
    const char* password;
  } cases[] = {
      {kApnAuto, 4, 0, std::nullopt, "cmnet", "", ""},
      {kApnAuto, 40, 1, std::nullopt, "mobile.o2.co.uk", "o2web", "password"},
      {kApnAuto, 19, 1, std::nullopt, "www", "", "bplmmsc"},
      {kApnAuto, 23, 0, GprsCheck::kPresetWithoutApn, "typed.apn", "typed", "typed"},
      {kApnAuto, 6, 1, GprsCheck::kPresetWithoutApn, "typed.apn", "typed", "typed"},
      {kApnCustomer, 0, 0, std::nullopt, "typed.apn", "typed", "typed"},
  };
  for (const auto& c : cases) {
    GprsSettings settings = typed;
    settings.apnMode = c.mode;
    settings.countryIndex = c.country;
    settings.operatorIndex = c.op;
    EXPECT_EQ(ApplyGprsPreset(settings), c.failed) << c.country << "/" << c.op;
    EXPECT_EQ(settings.apn, c.apn);
    EXPECT_EQ(settings.gprsAccount, c.account);
    EXPECT_EQ(settings.gprsPassword, c.password);
  }
}

TEST(GprsPresetsTest, AnOperatorWithoutAccessPointPointsToCustomerMode) {
  EXPECT_THAT(GprsCheckMessage(GprsCheck::kPresetWithoutApn, 2),
              ::testing::StartsWith("Please Input GPRS APN\n"));
  EXPECT_THAT(GprsCheckMessage(GprsCheck::kPresetWithoutApn, 2), HasSubstr("Customer mode"));
  EXPECT_THAT(GprsCheckMessage(GprsCheck::kPresetWithoutApn, 1),
              ::testing::StartsWith("请输入GPRS APN\n"));
  EXPECT_THAT(GprsCheckMessage(GprsCheck::kPresetWithoutApn, 1), HasSubstr("自定义"));
}

}  // namespace
}  // namespace quelmo
