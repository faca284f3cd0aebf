// The preferences file: any text is read without a fault, and what the
// program writes back reads the same values again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/preference_file_format.h"

namespace {

constexpr std::string_view kNames[] = {"language", "model", "TvMode", "Company"};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelmo;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  PreferenceFile file = PreferenceFile::Parse(text);
  for (const std::string_view name : kNames) {
    if (const auto value = file.Value(name)) (void)ParsePreferenceNumber(*value);
  }
  Require(file.Set("model", "7"));
  (void)file.Set("Company", text.substr(0, 40));

  const PreferenceFile again = PreferenceFile::Parse(file.Text());
  Require(!again.converted());
  for (const std::string_view name : kNames) Require(again.Value(name) == file.Value(name));
  return 0;
}
