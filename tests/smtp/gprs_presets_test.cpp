#include "smtp/gprs_presets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "smtp/gprs_checks.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;

TEST(GprsPresetsTest, CountriesAndTheirOperators) {
  EXPECT_EQ(GprsPresetRows().size(), 112u);
  const struct {
    int country;
    const char* name;
    std::size_t operators;  // 0: not a country
  } cases[] = {
      {0, "Australia", 3},  {6, "Cyprus", 1},       {7, "Croatia", 1},   {9, "Deutschland", 10},
      {22, "Latvia", 1},    {23, "Namibia", 1},     {26, "New Zealand", 1}, {31, "Romania", 1},
      {32, "switzerland", 4}, {41, "Ukraine", 3},   {-1, "", 0},         {42, "", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GprsEnglishCountryName(c.country), c.name);
    EXPECT_EQ(GprsOperators(c.country).size(), c.operators) << c.country;
    // The operator index stops at the country's count.
    EXPECT_EQ(FindGprsPreset(c.country, static_cast<int>(c.operators)), nullptr) << c.country;
  }
  EXPECT_EQ(GprsOperators(9)[9].name, "Klarmobil");
  EXPECT_EQ(FindGprsPreset(4, -1), nullptr);
  EXPECT_EQ(FindGprsPreset(4, 0)->parameters.apn, "cmnet");
}

// Every offered entry against the limits a preset must keep; the entries
// without public data are listed, so a change to them shows here.
TEST(GprsPresetsTest, EveryEntryWithinItsLimitsAndTheEntriesWithoutData) {
  std::vector<std::string> without_data;
  for (const OperatorPreset& row : GprsPresetRows()) {
    const std::string label = std::string(GprsEnglishCountryName(row.country)) + " / " +
                              std::string(row.name);
    EXPECT_LE(row.parameters.apn.size(), 25u) << label;
    EXPECT_LE(row.parameters.account.size(), 20u) << label;
    EXPECT_LE(row.parameters.password.size(), 11u) << label;
    if (row.parameters.apn.empty()) {
      EXPECT_TRUE(row.parameters.account.empty() && row.parameters.password.empty()) << label;
      without_data.push_back(label);
    }
  }
  EXPECT_THAT(without_data,
              ElementsAre("Belgium / Aldi Talk", "Netherlands / Vectone Mobile",
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
      {0, "China", {"China Mobile", "China Unicom"}},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> countries = GprsCountryNames(c.language);
    ASSERT_EQ(countries.size(), 42u);
    EXPECT_EQ(countries[4], c.china) << c.language;
    EXPECT_EQ(GprsOperatorNames(4, c.language), c.operators) << c.language;
  }
  EXPECT_EQ(GprsCountryNames(2)[3], "Bulgaria");
  EXPECT_EQ(GprsCountryNames(2)[27], "Österreich");  // the table's ASCII stand-in, with its letter
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
      {kApnAuto, 23, 0, std::nullopt, "ppsinternet", "ppsuser", "ppsuser"},
      {kApnAuto, 1, 3, GprsCheck::kPresetWithoutApn, "typed.apn", "typed", "typed"},
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

}  // namespace
}  // namespace quelmo
