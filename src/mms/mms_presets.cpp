#include "mms/mms_presets.h"

#include <algorithm>

#include "mms/mms_preset_table.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::string_view kChinaInChinese = "中国";
constexpr std::string_view kChinaOperatorsInChinese[] = {"中国移动", "中国联通"};

bool IsCountry(int country) { return country >= 0 && country < kMmsCountryCount; }

}  // namespace

std::span<const MmsOperatorRow> MmsOperatorsOf(int country) {
  if (!IsCountry(country)) return {};
  const std::span<const MmsOperatorRow> rows = MmsOperatorRows();
  const auto first = std::find_if(rows.begin(), rows.end(), [country](const MmsOperatorRow& row) {
    return row.country == country;
  });
  const auto last = std::find_if(
      first, rows.end(), [country](const MmsOperatorRow& row) { return row.country != country; });
  return {first, last};
}

const MmsOperatorRow* FindMmsOperator(int country, int operator_index) {
  const std::span<const MmsOperatorRow> offered = MmsOperatorsOf(country);
  if (operator_index < 0 || operator_index >= static_cast<int>(offered.size())) return nullptr;
  return &offered[static_cast<std::size_t>(operator_index)];
}

std::string_view MmsCountryName(int country, int language_index) {
  if (!IsCountry(country)) return {};
  if (country == kMmsChina && language_index == kChinese) return kChinaInChinese;
  return MmsCountryTable()[static_cast<std::size_t>(country)];
}

std::string_view MmsOperatorName(const MmsOperatorRow& row, int language_index) {
  if (row.country == kMmsChina && language_index == kChinese &&
      row.operatorIndex < static_cast<int>(std::size(kChinaOperatorsInChinese))) {
    return kChinaOperatorsInChinese[row.operatorIndex];
  }
  return row.name;
}

std::vector<std::string> MmsCountryNames(int language_index) {
  std::vector<std::string> names;
  for (int country = 0; country < kMmsCountryCount; ++country) {
    names.emplace_back(MmsCountryName(country, language_index));
  }
  return names;
}

std::vector<std::string> MmsOperatorNames(int country, int language_index) {
  std::vector<std::string> names;
  for (const MmsOperatorRow& row : MmsOperatorsOf(country)) {
    names.emplace_back(MmsOperatorName(row, language_index));
  }
  return names;
}

bool ApplyMmsPreset(MmsSettings& settings, int country, int operator_index) {
  const MmsOperatorRow* row = FindMmsOperator(country, operator_index);
  if (row == nullptr) return false;
  settings.mode = kMmsAuto;
  settings.countryIndex = country;
  settings.operatorIndex = operator_index;
  settings.url = row->preset.url;
  settings.apn = row->preset.apn;
  settings.gateway = row->preset.gateway;
  settings.port = row->preset.port;
  settings.account = row->preset.account;
  settings.password = row->preset.password;
  return true;
}

}  // namespace quelmo
