#pragma once
// The copy of serviceproviders.xml kept with the tests (public domain), so
// that they read the same database on every machine.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace quelmo::testing {

inline std::filesystem::path OperatorTestDatabasePath() {
  return std::filesystem::path(QUELMO_OPERATOR_TEST_DATA) / "serviceproviders.xml";
}

inline const std::vector<std::uint8_t>& OperatorTestDatabaseBytes() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream file(OperatorTestDatabasePath(), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
  }();
  return bytes;
}

}  // namespace quelmo::testing
