#include "mms/mms_load.h"

#include "mms/mms_presets.h"
#include "presets/mms_or_gprs.h"
#include "record/setting_record.h"

namespace quelmo {
namespace {

// gprs.dat has the same size and frame (presets/mms_or_gprs.h).
bool LooksLikeMms(std::span<const std::uint8_t> bytes) { return !HoldsGprsRecipient(bytes); }

}  // namespace

LoadOutcome<MmsSettings, MmsField> LoadMmsSettings(std::span<const std::uint8_t> bytes) {
  if (const auto refusal = RefusalBeforeReading(bytes, kMmsFileSize, LooksLikeMms)) {
    return *refusal;
  }
  MmsFileContents contents = ReadMmsFile(bytes);
  if (!contents.integrity.intact()) {
    return LoadRefusal{LoadRefusalKind::kDamaged, bytes.size()};
  }
  MmsLoaded loaded{std::move(contents.settings), std::move(contents.findings)};
  MmsSettings& settings = loaded.settings;
  // An operator within the byte's range that the country does not offer.
  if (settings.mode == kMmsAuto &&
      FindMmsOperator(settings.countryIndex, settings.operatorIndex) == nullptr) {
    settings.operatorIndex = 0;
    loaded.findings.push_back({FindingKind::kOutsideList, MmsField::kOperator});
  }
  EmptyTextsNotGbk(loaded, MmsText);
  return loaded;
}

}  // namespace quelmo
