// write --settings: the JSON document and each kind's preparation of the file
// from it (keys read, presets taken, save checks run), as write runs them.
// The first byte picks the kind, the rest is the document.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/settings_document.h"
#include "cli/kind_registry.h"

namespace {

class FuzzClock final : public quelmo::LocalClock {
 public:
  quelmo::LocalTime Now() const override { return quelmo::LocalTime{2012, 3, 7, 14, 5, 9}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelmo;
  if (size == 0) return 0;
  const auto kinds = AllFileKinds();
  const FileKind kind = kinds[data[0] % kinds.size()];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  Result<SettingsDocument> document = ParseSettingsDocument(text, kind);
  if (!document.ok()) return 0;
  const FuzzClock clock;
  (void)kind->prepare(WriteRequest{document->settings, document->isDefaultFile, 2, {}, clock});
  return 0;
}
