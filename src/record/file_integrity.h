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
  // Damage, one line per fault: size, line ends, check value. A file with
  // any of these cannot be trusted by the camera.
  std::vector<std::string> problems;
  // Unusual contents under a sound frame, one line each, in file order: a
  // value outside its list or range, a byte that is not what a writer puts
  // there, a length byte above its limit, bytes not valid in the stored code
  // page. They do not make a file damaged: the program itself writes some of
  // them (a stored language outside 1..11 goes unchanged into every file).
  std::vector<std::string> warnings;

  bool intact() const { return sizeOk && lineEndsOk && checkOk && problems.empty(); }
};

}  // namespace quelmo
