#pragma once
// What a reader found when it checked a setting file instead of trusting it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quelmo {

struct FileIntegrity {
  std::size_t size = 0;
  std::size_t expectedSize = 0;
  bool sizeOk = false;
  bool lineEndsOk = false;  // CR LF where the frame has them
  std::uint16_t checkStored = 0;
  std::uint16_t checkComputed = 0;  // as it would be stored (CRC + 20)
  bool checkOk = false;
  // One line per fault, in file order: size, line ends, check value, a value
  // outside its list or range, a length byte above its limit, bytes not valid
  // in the stored code page.
  std::vector<std::string> problems;

  bool intact() const { return sizeOk && lineEndsOk && checkOk && problems.empty(); }
};

}  // namespace quelmo
