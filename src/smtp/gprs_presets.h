#pragma once
// The GPRS access points built into the SMTP/GPRS form: 42 countries in a
// fixed order, the operators each offers, and the access point of each. The
// indexes are what gprs.dat stores; they are their own, not the MMS ones.
//
// The table itself is data (gprs_preset_table.cpp, one line per operator),
// checked at compile time; nothing is parsed at run time.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "presets/operator_preset.h"
#include "smtp/gprs_settings.h"

namespace quelmo {

inline constexpr int kGprsCountryCount = 42;
inline constexpr int kGprsChina = 4;  // the country a freshly opened form shows

// The choice a freshly opened form shows: Auto mode, China, its first
// operator. Write starts from it too.
inline GprsSettings GprsOpeningSettings() {
  GprsSettings settings;
  settings.countryIndex = kGprsChina;
  settings.operatorIndex = 0;
  return settings;
}
inline constexpr int kGprsMaxOperators = 10;

// What a preset may hold; every value of the table fits these.
struct GprsPresetLimits {
  static constexpr std::size_t kApn = 25;
  static constexpr std::size_t kAccount = 20;
  static constexpr std::size_t kPassword = 11;
};

// The rows are OperatorPreset rows whose parameters hold the access point
// only. An operator without public data keeps its place with empty texts; its
// access point has to be typed (Customer).

// The 42 country names as the table holds them (English).
std::span<const std::string_view> GprsCountryTable();

// Every offered operator, grouped by country in index order; within a country
// the position is the operator index.
std::span<const OperatorPreset> GprsPresetRows();

// The operators a country offers (1..10); empty for an index outside 0..41.
std::span<const OperatorPreset> GprsOperators(int country);

// The preset of (country, operator); nullptr when that pair is not offered.
const OperatorPreset* FindGprsPreset(int country, int operator_index);

// The English name of a country; "" outside 0..41.
std::string_view GprsEnglishCountryName(int country);

// The country names as the Country list shows them in a language: China reads
// "中国" for Chinese (1), the English name otherwise. "" outside 0..41.
std::string_view GprsCountryName(int country, int language_index);
std::vector<std::string> GprsCountryNames(int language_index);

// The operator names of a country as the Operator list shows them: China's two
// in Chinese for language 1, the table's English names otherwise.
std::vector<std::string> GprsOperatorNames(int country, int language_index);

}  // namespace quelmo
