#pragma once
// One row of an operator preset table, as both the MMS and the GPRS tables
// hold them, and the lookups both forms make in such a table. Each table
// lists its countries in a fixed order and, per country, the operators it
// offers; the positions are what the setting files store, so they never move.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kind/field_table.h"

namespace quelmo {

// The values an operator row gives, in the MMS table's column order. A GPRS
// row fills the access point (apn, account, password) and leaves the MMS
// centre (url, gateway, port) empty. Texts are ASCII.
struct PresetParameters {
  std::string_view url;
  std::string_view apn;
  std::string_view gateway;
  std::string_view port;
  std::string_view account;
  std::string_view password;
};

// The parameter a field of a kind's table takes from the row; empty for
// kNone.
constexpr std::string_view PresetParameter(const PresetParameters& p, OperatorValue value) {
  switch (value) {
    case OperatorValue::kUrl:
      return p.url;
    case OperatorValue::kApn:
      return p.apn;
    case OperatorValue::kGateway:
      return p.gateway;
    case OperatorValue::kPort:
      return p.port;
    case OperatorValue::kAccount:
      return p.account;
    case OperatorValue::kPassword:
      return p.password;
    case OperatorValue::kNone:
      break;
  }
  return {};
}

struct OperatorPreset {
  int country;
  int operatorIndex;
  std::string_view name;  // English, as every language but Chinese shows it
  PresetParameters parameters;
};

// Both tables put China here; it is the one country whose names are
// translated (into Chinese only).
inline constexpr int kPresetChina = 4;

// Rows grouped by country in order 0..countries-1, each country's operators
// numbered 0, 1, ... with no gap, each country offering 1 to `most` of them.
template <std::size_t N>
constexpr bool PresetTableIsOrdered(const OperatorPreset (&rows)[N], int countries, int most) {
  int country = 0;
  int next_operator = 0;
  for (const OperatorPreset& row : rows) {
    if (row.country == country + 1 && next_operator > 0) {
      ++country;
      next_operator = 0;
    }
    if (row.country != country || row.operatorIndex != next_operator) return false;
    if (++next_operator > most) return false;
  }
  return country == countries - 1 && next_operator > 0;
}

// The rows a country offers (their number is its operator count); empty for a
// number that is no country of the table.
std::span<const OperatorPreset> PresetOperatorsOf(std::span<const OperatorPreset> rows,
                                                  int country);

// nullptr when the country does not offer that operator.
const OperatorPreset* FindPresetOperator(std::span<const OperatorPreset> rows, int country,
                                         int operator_index);

// A country's name in a language: China reads "中国" in Chinese (1), every
// other name is the table's own. Empty for a number that is no country.
std::string_view PresetCountryName(std::span<const std::string_view> countries, int country,
                                   int language_index);
// The names a form's country list shows: in English the table's own (the
// command line's) with proper letters ("Österreich"); in every other
// language the system's name of the country (CountryNameTranslations).
std::vector<std::string> PresetCountryNames(std::span<const std::string_view> countries,
                                            int language_index);

// The ISO 3166-1 code of a country of the preset tables ("at" for
// "Oesterreich"); empty for a name no table has.
std::string_view PresetCountryCode(std::string_view table_name);

// An operator's name in a language: China's in Chinese for language 1, the
// table's English name otherwise.
std::string_view PresetOperatorName(const OperatorPreset& row, int language_index);
std::vector<std::string> PresetOperatorNames(std::span<const OperatorPreset> rows, int country,
                                             int language_index);

}  // namespace quelmo
