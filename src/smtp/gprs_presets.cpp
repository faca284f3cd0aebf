#include "smtp/gprs_presets.h"

#include <array>

#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::string_view kChinaInChinese = "中国";
constexpr std::array<std::string_view, 2> kChinaOperatorsInChinese = {"中国移动", "中国联通"};

}  // namespace

std::span<const GprsPresetRow> GprsOperators(int country) {
  if (country < 0 || country >= kGprsCountryCount) return {};
  const std::span<const GprsPresetRow> rows = GprsPresetRows();
  std::size_t first = 0;
  while (first < rows.size() && rows[first].country < country) ++first;
  std::size_t end = first;
  while (end < rows.size() && rows[end].country == country) ++end;
  return rows.subspan(first, end - first);
}

const GprsPresetRow* FindGprsPreset(int country, int operator_index) {
  const std::span<const GprsPresetRow> operators = GprsOperators(country);
  if (operator_index < 0 || static_cast<std::size_t>(operator_index) >= operators.size()) {
    return nullptr;
  }
  return &operators[static_cast<std::size_t>(operator_index)];
}

std::string_view GprsCountryName(int country, int language_index) {
  if (country == kGprsChina && language_index == kChinese) return kChinaInChinese;
  return GprsEnglishCountryName(country);
}

std::vector<std::string> GprsCountryNames(int language_index) {
  std::vector<std::string> names;
  names.reserve(kGprsCountryCount);
  for (int country = 0; country < kGprsCountryCount; ++country) {
    names.emplace_back(GprsCountryName(country, language_index));
  }
  return names;
}

std::vector<std::string> GprsOperatorNames(int country, int language_index) {
  std::vector<std::string> names;
  if (country == kGprsChina && language_index == kChinese) {
    names.assign(kChinaOperatorsInChinese.begin(), kChinaOperatorsInChinese.end());
    return names;
  }
  for (const GprsPresetRow& row : GprsOperators(country)) names.emplace_back(row.operatorName);
  return names;
}

}  // namespace quelmo
