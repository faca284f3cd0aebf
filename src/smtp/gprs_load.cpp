#include "smtp/gprs_load.h"

#include <string_view>

#include "record/setting_record.h"
#include "smtp/gprs_presets.h"
#include "text/gbk.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::size_t kFirstAlwaysOneByte = 6;
constexpr std::size_t kSecondAlwaysOneByte = 7;
constexpr std::size_t kRecipientRecord = 10;

// mms.dat has the same size. Its header keeps the TV mode where gprs.dat
// always has 1, and its record 10 is reserved (empty) where gprs.dat holds
// the recipient, which every save requires.
bool LooksLikeGprs(std::span<const std::uint8_t> bytes) {
  SettingRecord header = RecordAt(bytes, 0);
  SwapNibbles(header);
  const SettingRecord recipient = RecordAt(bytes, kRecipientRecord);
  return header[kFirstAlwaysOneByte] == 1 && header[kSecondAlwaysOneByte] == 1 &&
         recipient[kTextLengthByte] != 0;
}

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
