#include "mms/mms_kind.h"

#include <algorithm>
#include <array>

#include "mms/mms_checks.h"
#include "mms/mms_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_json.h"
#include "mms/mms_operator_fill.h"
#include "mms/mms_presets.h"
#include "presets/mms_or_gprs.h"
#include "record/setting_record.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"
#include "session/app_state.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

using M = MmsSettings;

ReadBackFile ReadBackMms(std::span<const std::uint8_t> bytes, bool reveal) {
  const MmsFileContents contents = ReadMmsFile(bytes);
  ReadBackFile read{false, ShowMmsSettings(contents, reveal), contents.integrity};
  if (const auto failed = FirstFailedMmsCheck(contents.settings)) {
    WarnOfFailedSaveCheck(MmsCheckMessage(*failed, kEnglish), read.integrity);
  }
  return read;
}

PreparedFile PrepareMms(const WriteRequest& request) {
  auto input = MmsSettingsFromJson(request.settings, MmsOpeningSettings());
  if (!input.ok()) return PreparedFile::BadSettings(input.message());
  if (input->settings.mode == kMmsAuto) {
    if (auto taken = TakeMmsPreset(request.settings, input->settings); !taken.ok()) {
      return PreparedFile::BadSettings(taken.message());
    }
  }
  if (const auto failed = FirstFailedMmsCheck(input->settings)) {
    return PreparedFile::CheckFailed(MmsCheckMessage(*failed, request.messageLanguage));
  }
  const ResolvedLanguage language = ResolveFileLanguage(request.overrides, input->language);
  return {PreparedFile::Refusal::kNone, {},
          MmsFileBytes(input->settings, language.cameraLanguage, language.tvMode),
          StagingFileBytes(
              BuildMmsRecords(input->settings, language.cameraLanguage, language.tvMode))};
}

std::string EnglishCountryName(int country) {
  return std::string(MmsCountryName(country, kEnglish));
}

std::vector<ListedOperator> ListedOperatorsOf(int country) {
  std::vector<ListedOperator> listed;
  for (const OperatorPreset& row : MmsOperatorsOf(country)) {
    const PresetParameters& p = row.parameters;
    std::vector<PresetValue> values;
    for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
      values.push_back({field->key, PresetParameter(p, field->place.operatorValue)});
    }
    listed.push_back({row.operatorIndex, row.name, MmsPresetHasData(p), std::move(values)});
  }
  return listed;
}

constexpr PresetListing kMmsPresets{kMmsCountryCount, &EnglishCountryName, &ListedOperatorsOf};

std::span<const std::string_view> SecretKeys() {
  static const std::vector<std::string_view> keys = SecretKeysOf(kMmsFields);
  return keys;
}

Status ApplyMmsOperator(const OperatorProvider& provider, Json& settings) {
  const MmsOperatorFill fill = FillMmsFromOperator(provider);
  if (!fill.findings.empty()) {
    return Error{ErrorCode::kInvalidArgument,
                 EscapeForTerminal(provider.name) +
                     ": mms.dat cannot take these values of the operator database:\n" +
                     FindingLines(fill.findings)};
  }
  settings[std::string(KeyOf<M>(kMmsFields, &M::mode))] = "Customer";
  for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
    settings[std::string(field->key)] = FilledValue(fill.values, field->place.operatorValue);
  }
  return Status::Ok();
}

}  // namespace

int MmsLayoutScore(std::span<const std::uint8_t> file) {
  SettingRecord header = RecordAt(file, 0);
  SwapNibbles(header);
  const auto is_country = [](std::uint8_t byte) {
    return byte <= MmsLimits::kMaxCountry || byte == kManualCountry;
  };
  // Bytes 0..2 zero, 7 always 1, 8 country, 9 operator, 10 SMS control;
  // record 10 without gprs.dat's recipient.
  int score = 0;
  score += header[0] == 0 && header[1] == 0 && header[2] == 0 ? 1 : 0;
  score += header[7] == 1 ? 1 : 0;
  score += is_country(header[8]) ? 1 : 0;
  score += header[9] <= MmsLimits::kMaxOperator ? 1 : 0;
  score += header[10] <= kSmsControlOff ? 1 : 0;
  score += AllZero(header, 11, 50) ? 1 : 0;
  score += !HoldsGprsRecipient(file) ? 3 : 0;
  return score;
}

const KindDescription& MmsKind() {
  static const KindDescription kMms{
      .name = "mms",
      .fileName = kMmsFileName,
      .fileSize = kMmsFileSize,
      .layoutScore = &MmsLayoutScore,
      .readBack = &ReadBackMms,
      .prepare = &PrepareMms,
      .secretKeys = SecretKeys(),
      .textRecords = &MmsTextRecords,
      .presets = &kMmsPresets,
      .applyOperator = &ApplyMmsOperator,
  };
  return kMms;
}

}  // namespace quelmo
