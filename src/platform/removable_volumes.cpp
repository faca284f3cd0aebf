#include "platform/removable_volumes.h"

#include <cstdio>

namespace quelmo {

std::string VolumeSizeText(std::uint64_t bytes) {
  if (bytes == 0) return "size unknown";
  static constexpr const char* kUnits[] = {"bytes", "kB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes);
  std::size_t unit = 0;
  while (value >= 1000.0 && unit + 1 < std::size(kUnits)) {
    value /= 1000.0;
    ++unit;
  }
  if (unit == 0) return std::to_string(bytes) + " bytes";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  return text;
}

}  // namespace quelmo
