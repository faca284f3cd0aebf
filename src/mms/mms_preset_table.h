#pragma once
// The preset data itself (mms_preset_table.cpp) and the shape it must have,
// checked while compiling so that no lookup can ever meet a malformed table.

#include <cstddef>
#include <span>
#include <string_view>

#include "mms/mms_presets.h"

namespace quelmo {

// The 43 country names as the table holds them (English; China's Chinese name
// is a language rule, MmsCountryName).
std::span<const std::string_view> MmsCountryTable();

// Rows grouped by country in order 0..countries-1, each country's operators
// numbered 0, 1, ... with no gap, each country offering 1 to 5 of them.
template <std::size_t N>
constexpr bool TableIsOrdered(const MmsOperatorRow (&rows)[N], int countries) {
  constexpr int kMostOperators = 5;
  int country = 0;
  int next_operator = 0;
  for (const MmsOperatorRow& row : rows) {
    if (row.country == country + 1 && next_operator > 0) {
      ++country;
      next_operator = 0;
    }
    if (row.country != country || row.operatorIndex != next_operator) return false;
    if (++next_operator > kMostOperators) return false;
  }
  return country == countries - 1 && next_operator > 0;
}

}  // namespace quelmo
