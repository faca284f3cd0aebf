#pragma once
// The preset data itself (mms_preset_table.cpp). Its shape is checked while
// compiling (PresetTableIsOrdered), so that no lookup can meet a malformed table.

#include <cstddef>
#include <span>
#include <string_view>

#include "mms/mms_presets.h"

namespace quelmo {

// The 43 country names as the table holds them (English; China's Chinese name
// is a language rule, MmsCountryName).
std::span<const std::string_view> MmsCountryTable();

}  // namespace quelmo
