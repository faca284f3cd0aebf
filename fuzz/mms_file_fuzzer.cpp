// The mms.dat reader, as show and check run it.
#include "setting_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quelmo::FuzzSettingFile(quelmo::FindFileKind("mms"), data, size);
  return 0;
}
