#include "presets/operator_preset.h"

#include <algorithm>
#include <array>

#include "operators/country_names.h"
#include "text/language_code.h"
#include "text/languages.h"

namespace quelmo {
namespace {

constexpr std::string_view kChinaInChinese = "中国";
constexpr std::array<std::string_view, 2> kChinaOperatorsInChinese = {"中国移动", "中国联通"};

}  // namespace

std::span<const OperatorPreset> PresetOperatorsOf(std::span<const OperatorPreset> rows,
                                                  int country) {
  const auto first = std::find_if(rows.begin(), rows.end(), [country](const OperatorPreset& row) {
    return row.country == country;
  });
  const auto last = std::find_if(
      first, rows.end(), [country](const OperatorPreset& row) { return row.country != country; });
  return {first, last};
}

const OperatorPreset* FindPresetOperator(std::span<const OperatorPreset> rows, int country,
                                         int operator_index) {
  const std::span<const OperatorPreset> offered = PresetOperatorsOf(rows, country);
  if (operator_index < 0 || operator_index >= static_cast<int>(offered.size())) return nullptr;
  return &offered[static_cast<std::size_t>(operator_index)];
}

std::string_view PresetCountryName(std::span<const std::string_view> countries, int country,
                                   int language_index) {
  if (country < 0 || country >= static_cast<int>(countries.size())) return {};
  if (country == kPresetChina && language_index == kChinese) return kChinaInChinese;
  return countries[static_cast<std::size_t>(country)];
}

std::string_view PresetCountryCode(std::string_view table_name) {
  static constexpr struct {
    std::string_view name;
    std::string_view code;
  } kCodes[] = {
      {"Australia", "au"},    {"Belgium", "be"},        {"Brazil", "br"},
      {"Bulgaria", "bg"},     {"China", "cn"},          {"Canada", "ca"},
      {"Cyprus", "cy"},       {"Croatia", "hr"},        {"Ceska republika", "cz"},
      {"Cayman Islands", "ky"}, {"Deutschland", "de"},  {"Denmark", "dk"},
      {"Egypt", "eg"},        {"Estonia", "ee"},        {"Finland", "fi"},
      {"France", "fr"},       {"Greece", "gr"},         {"Hungary", "hu"},
      {"Italy", "it"},        {"Ireland", "ie"},        {"India", "in"},
      {"Luxembourg", "lu"},   {"Lithuania", "lt"},      {"Latvia", "lv"},
      {"Namibia", "na"},      {"Norway", "no"},         {"Netherlands", "nl"},
      {"New Zealand", "nz"},  {"Oesterreich", "at"},    {"Portugal", "pt"},
      {"Poland", "pl"},       {"Russia", "ru"},         {"Romania", "ro"},
      {"switzerland", "ch"},  {"South Africa", "za"},   {"Spain", "es"},
      {"Slovakia", "sk"},     {"Sweden", "se"},         {"Slovenia", "si"},
      {"Turkey", "tr"},       {"United States", "us"},  {"United Kingdom", "gb"},
      {"Ukraine", "ua"},
  };
  for (const auto& row : kCodes) {
    if (row.name == table_name) return row.code;
  }
  return {};
}

std::vector<std::string> PresetCountryNames(std::span<const std::string_view> countries,
                                            int language_index,
                                            const CountryNamesGetter& country_names) {
  // English windows show the table's own names, as the command line takes
  // them, but with the letters the original wrote in ASCII; every other
  // language the system's name of the country (iso-codes), read now.
  const LanguageRow* row = FindLanguage(language_index);
  const bool table_names = row == nullptr || row->catalogue.empty();
  const MoCatalogue* translations =
      table_names || !country_names ? nullptr : &country_names(language_index);
  std::vector<std::string> names;
  names.reserve(countries.size());
  for (int country = 0; country < static_cast<int>(countries.size()); ++country) {
    const std::string_view name = countries[static_cast<std::size_t>(country)];
    const std::string_view code = PresetCountryCode(name);
    if (country == kPresetChina && language_index == kChinese) {
      names.emplace_back(kChinaInChinese);  // whatever the system has
    } else if (translations != nullptr && !code.empty()) {
      names.push_back(CountryNameIn(code, *translations));
    } else if (name == "Oesterreich") {
      names.emplace_back("Österreich");
    } else if (name == "Ceska republika") {
      names.emplace_back("Česká republika");
    } else {
      names.emplace_back(name);
    }
  }
  return names;
}

std::string_view PresetOperatorName(const OperatorPreset& row, int language_index) {
  if (row.country == kPresetChina && language_index == kChinese &&
      row.operatorIndex < static_cast<int>(kChinaOperatorsInChinese.size())) {
    return kChinaOperatorsInChinese[static_cast<std::size_t>(row.operatorIndex)];
  }
  return row.name;
}

std::vector<std::string> PresetOperatorNames(std::span<const OperatorPreset> rows, int country,
                                             int language_index) {
  std::vector<std::string> names;
  for (const OperatorPreset& row : PresetOperatorsOf(rows, country)) {
    names.emplace_back(PresetOperatorName(row, language_index));
  }
  return names;
}

}  // namespace quelmo
