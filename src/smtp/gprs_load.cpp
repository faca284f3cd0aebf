#include "smtp/gprs_load.h"

#include <string_view>

#include "presets/mms_or_gprs.h"
#include "smtp/gprs_presets.h"
#include "text/gbk.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

// mms.dat has the same size and frame (presets/mms_or_gprs.h).
bool LooksLikeGprs(std::span<const std::uint8_t> bytes) { return HoldsGprsRecipient(bytes); }

}  // namespace

LoadOutcome<GprsSettings, GprsField> LoadGprsSettings(std::span<const std::uint8_t> bytes) {
  if (const auto refusal = RefusalBeforeReading(bytes, kGprsFileSize, LooksLikeGprs)) {
    return *refusal;
  }
  GprsFileContents contents = ReadGprsFile(bytes);
  if (!contents.integrity.intact()) {
    return LoadRefusal{LoadRefusalKind::kDamaged, bytes.size()};
  }
  GprsLoaded loaded{std::move(contents.settings), std::move(contents.findings)};
  GprsSettings& settings = loaded.settings;
  settings.senderPassword.clear();
  // An operator within the byte's range that the country does not offer.
  if (settings.apnMode == kApnAuto &&
      FindGprsPreset(settings.countryIndex, settings.operatorIndex) == nullptr) {
    settings.operatorIndex = 0;
    loaded.findings.push_back({FindingKind::kOutsideList, GprsField::kOperator});
  }
  EmptyTextsNotGbk(loaded, GprsText);
  return loaded;
}

}  // namespace quelmo
