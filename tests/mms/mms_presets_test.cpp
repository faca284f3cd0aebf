#include "mms/mms_presets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "mms/mms_settings.h"
#include "operators/operator_database_loader.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// The countries in file order with the port of each offered operator, as the
// camera prescribes them.
struct CountryPorts {
  const char* name;
  std::vector<const char*> ports;
};
const CountryPorts kPrescribed[] = {
    {"Australia", {"8070", "80", "9201"}},
    {"Belgium", {"8080", "8080", "5080", "8080"}},
    {"Brazil", {"8080"}},
    {"Bulgaria", {"8004", "8080"}},
    {"China", {"80", "80"}},
    {"Canada", {"8080", "8080"}},
    {"Cyprus", {"8080"}},
    {"Croatia", {"8080", "8080"}},
    {"Ceska republika", {"8080", "8080"}},
    {"Cayman Islands", {"8080"}},
    {"Deutschland", {"8080", "8008", "8080", "8080"}},
    {"Denmark", {"8080", "8080", "8080"}},
    {"Egypt", {"8080", "8080"}},
    {"Estonia", {"8080", "8000", "9201"}},
    {"Finland", {"8080", "8080", "80"}},
    {"France", {"8080", "8080", "8080"}},
    {"Greece", {"8080", "8080"}},
    {"Hungary", {"8080", "8080"}},
    {"Italy", {"80", "8080"}},
    {"Ireland", {"8799", "80"}},
    {"India", {"8080", "8080", "8080", "8080", "8080"}},
    {"Luxembourg", {"8080", "8080", "8080"}},
    {"Lithuania", {"8080", "8080", "8080", "8080"}},
    {"Latvia", {"80"}},
    {"Namibia", {"80"}},
    {"Norway", {"8080", "8080", "80"}},
    {"Netherlands", {"8080", "8799", "5080", "8080"}},
    {"New Zealand", {"8080"}},
    {"Oesterreich", {"8001", "80", "8080", "8799", "8080"}},
    {"Portugal", {"8799", "8799"}},
    {"Poland", {"8080", "8080", "8080", "8080", "8080"}},
    {"Russia", {"9201", "9201"}},
    {"Romania", {"8080", "8080", "8080", "8080"}},
    {"switzerland", {"8080", "8080", "8080"}},
    {"South Africa", {"8080", "8080", "8080", "8080"}},
    {"Spain", {"8080", "80", "8080", "8080"}},
    {"Slovakia", {"8080", "8799", "8080"}},
    {"Sweden", {"8799", "8080", "8080"}},
    {"Slovenia", {"8080", "8080", "9201"}},
    {"Turkey", {"8080", "8080"}},
    {"United States", {"8080", "80"}},
    {"United Kingdom", {"9201", "8080", "8080", "8080", "8799"}},
    {"Ukraine", {"8080", "8080", "8080", "8080", "8080"}},
};

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
}

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A dotted IPv4 address with a part written with a leading zero ("010").
bool HasLeadingZeroPart(std::string_view text) {
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || IsDigits({&c, 1}); })) {
    return false;
  }
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('.', start);
    if (end == std::string_view::npos) end = text.size();
    if (end - start > 1 && text[start] == '0') return true;
    start = end + 1;
  }
  return false;
}

TEST(MmsPresetsTest, CountriesAndPortsAreThePrescribedOnes) {
  ASSERT_EQ(std::size(kPrescribed), static_cast<std::size_t>(kMmsCountryCount));
  for (int country = 0; country < kMmsCountryCount; ++country) {
    const CountryPorts& expected = kPrescribed[country];
    EXPECT_EQ(MmsCountryName(country, 2), expected.name);
    std::vector<std::string> ports;
    for (const OperatorPreset& row : MmsOperatorsOf(country)) ports.emplace_back(row.parameters.port);
    EXPECT_EQ(ports, std::vector<std::string>(expected.ports.begin(), expected.ports.end()))
        << expected.name;
  }
  EXPECT_EQ(MmsOperatorRows().size(), 120u);
}

TEST(MmsPresetsTest, OfferedRowsWithDataKeepTheCamerasRules) {
  std::vector<std::string> without_data;
  for (const OperatorPreset& row : MmsOperatorRows()) {
    const PresetParameters& p = row.parameters;
    const std::string where = std::string(MmsCountryName(row.country, 2)) + " / " +
                              std::string(row.name);
    SCOPED_TRACE(where);
    for (std::string_view text : {p.url, p.apn, p.gateway, p.port, p.account, p.password}) {
      EXPECT_TRUE(IsAscii(text)) << text;
    }
    EXPECT_TRUE(p.port.size() >= 2 && p.port.size() <= 4 && IsDigits(p.port));
    if (!MmsPresetHasData(p)) {
      without_data.push_back(where);
      EXPECT_TRUE(p.url.empty() && p.apn.empty() && p.gateway.empty() && p.account.empty() &&
                  p.password.empty());
      continue;
    }
    EXPECT_NE(p.gateway.find('.'), std::string_view::npos);
    EXPECT_FALSE(HasLeadingZeroPart(p.gateway));
    EXPECT_LE(p.url.size(), static_cast<std::size_t>(MmsLimits::kUrl));
    EXPECT_LE(p.apn.size(), static_cast<std::size_t>(MmsLimits::kApn));
    EXPECT_LE(p.gateway.size(), static_cast<std::size_t>(MmsLimits::kGateway));
    EXPECT_LE(p.account.size(), static_cast<std::size_t>(MmsLimits::kAccount));
    EXPECT_LE(p.password.size(), static_cast<std::size_t>(MmsLimits::kPassword));
    EXPECT_EQ(p.url.rfind("http://", 0), 0u) << p.url;
  }
  // No public data for these: they stay in the lists, and Auto mode refuses
  // to save them.
  EXPECT_THAT(without_data,
              UnorderedElementsAre("Australia / Mic1", "Cayman Islands / Digicel",
                                   "Namibia / MTC", "Russia / A Mobile", "Spain / Telstra",
                                   "Slovenia / Izi Mobil", "United States / T-Mobile"));
}

TEST(MmsPresetsTest, CountriesFollowTheLanguageOperatorsOnlyForChina) {
  const struct {
    int language;
    const char* china;
    std::vector<std::string> china_operators;
  } cases[] = {
      {1, "中国", {"中国移动", "中国联通"}},
      {2, "China", {"China Mobile", "China Unicom"}},
      {10, nullptr, {"China Mobile", "China Unicom"}},
      {0, "China", {"China Mobile", "China Unicom"}},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> countries = MmsCountryNames(c.language);
    ASSERT_EQ(countries.size(), 43u);
    if (c.china != nullptr) EXPECT_EQ(countries[4], c.china);
    EXPECT_EQ(MmsOperatorNames(kMmsChina, c.language), c.china_operators);
  }
  // English windows: the table's names, with the letters the original wrote in ASCII.
  const std::vector<std::string> english = MmsCountryNames(2);
  EXPECT_EQ(english[41], "United Kingdom");
  EXPECT_EQ(english[28], "Österreich");
  EXPECT_EQ(english[8], "Česká republika");
  EXPECT_EQ(english[10], "Deutschland");
  // Other languages name the countries as the system's iso-codes do.
  if (std::ifstream(CountryNameCataloguePath("de"))) {
    const std::vector<std::string> german = MmsCountryNames(3);
    EXPECT_EQ(german[28], "Österreich");
    EXPECT_EQ(german[41], "Vereinigtes Königreich");
    EXPECT_EQ(german[4], "China");
  }
  EXPECT_THAT(MmsOperatorNames(41, 1),
              ElementsAre("Vodafone", "O2", "O2 Payandgo", "Orange", "Three"));
  EXPECT_THAT(MmsOperatorNames(2, 1), ElementsAre("Brazil Telecom"));
}

TEST(MmsPresetsTest, ApplyTakesOnlyOfferedRows) {
  const struct {
    int country;
    int op;
    bool offered;
  } cases[] = {
      {0, 0, true}, {42, 4, true}, {2, 1, false}, {41, 5, false},
      {-1, 0, false}, {43, 0, false}, {kManualCountry, 0, false}, {4, -1, false},
  };
  for (const auto& c : cases) {
    MmsSettings settings;
    settings.mode = kMmsCustomer;
    settings.url = "typed";
    const MmsSettings before = settings;
    EXPECT_EQ(ApplyMmsPreset(settings, c.country, c.op), c.offered) << c.country << "/" << c.op;
    if (!c.offered) {
      EXPECT_EQ(settings, before);
    }
  }
  MmsSettings settings;
  settings.phone = "13800138000";
  ASSERT_TRUE(ApplyMmsPreset(settings, 4, 0));
  EXPECT_EQ(settings.mode, kMmsAuto);
  EXPECT_EQ(settings.url, "http://mmsc.monternet.com");
  EXPECT_EQ(settings.apn, "cmwap");
  EXPECT_EQ(settings.gateway, "10.0.0.172");
  EXPECT_EQ(settings.port, "80");
  EXPECT_EQ(settings.account, "");
  EXPECT_EQ(settings.phone, "13800138000");  // recipients are not the preset's
}

}  // namespace
}  // namespace quelmo
