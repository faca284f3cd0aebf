#include "smtp/gprs_kind.h"

#include <algorithm>
#include <array>

#include "presets/mms_or_gprs.h"
#include "record/setting_record.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"
#include "session/app_state.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_fields.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_json.h"
#include "smtp/gprs_operator_fill.h"
#include "smtp/gprs_presets.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

using G = GprsSettings;

ReadBackFile ReadBackGprs(std::span<const std::uint8_t> bytes, bool reveal) {
  const GprsFileContents contents = ReadGprsFile(bytes);
  ReadBackFile read{false, ShowGprsSettings(contents, reveal), contents.integrity};
  if (const auto failed = FirstFailedGprsCheck(contents.settings)) {
    WarnOfFailedSaveCheck(GprsCheckMessage(*failed, kEnglish), read.integrity);
  }
  return read;
}

PreparedFile PrepareGprs(const WriteRequest& request) {
  auto input = GprsSettingsFromJson(request.settings, GprsOpeningSettings());
  if (!input.ok()) return PreparedFile::BadSettings(input.message());
  if (auto status = CheckGprsAutoMode(request.settings, input->settings); !status.ok()) {
    return PreparedFile::BadSettings(status.message());
  }
  if (const auto failed = FirstFailedGprsSave(input->settings)) {
    return PreparedFile::CheckFailed(GprsCheckMessage(*failed, request.messageLanguage));
  }
  const int camera_language =
      ResolveFileLanguage(request.overrides, input->language).cameraLanguage;
  return {PreparedFile::Refusal::kNone, {}, GprsFileBytes(input->settings, camera_language),
          StagingFileBytes(BuildGprsRecords(input->settings, camera_language))};
}

std::string EnglishCountryName(int country) {
  return std::string(GprsEnglishCountryName(country));
}

std::vector<ListedOperator> ListedOperatorsOf(int country) {
  std::vector<ListedOperator> listed;
  for (const OperatorPreset& row : GprsOperators(country)) {
    const PresetParameters& p = row.parameters;
    // The listing names the preset's columns, not the settings' keys.
    listed.push_back({row.operatorIndex, row.name, !p.apn.empty(),
                      {{KeyOf<G>(kGprsFields, &G::apn), p.apn},
                       {"account", p.account},
                       {"password", p.password}}});
  }
  return listed;
}

constexpr PresetListing kGprsPresets{kGprsCountryCount, &EnglishCountryName, &ListedOperatorsOf};

std::span<const std::string_view> SecretKeys() {
  static const std::vector<std::string_view> keys = SecretKeysOf(kGprsFields);
  return keys;
}

Status ApplyGprsOperator(const OperatorProvider& provider, Json& settings) {
  const GprsOperatorFill fill = FillGprsFromOperator(provider);
  if (!fill.findings.empty()) {
    return Error{ErrorCode::kInvalidArgument,
                 EscapeForTerminal(provider.name) +
                     ": gprs.dat cannot take these values of the operator database:\n" +
                     FindingLines(fill.findings)};
  }
  settings[std::string(KeyOf<G>(kGprsFields, &G::apnMode))] = "Customer";
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    settings[std::string(field->key)] = FilledValue(fill.values, field->place.operatorValue);
  }
  return Status::Ok();
}

}  // namespace

int GprsLayoutScore(std::span<const std::uint8_t> file) {
  SettingRecord header = RecordAt(file, 0);
  SwapNibbles(header);
  const std::string sender =
      ReadTextRecord(RecordAt(file, PlaceOf<G>(kGprsFields, &G::senderEmail).record), true).bytes;
  const std::string record9 = ReadTextRecord(RecordAt(file, gprs_fields::kUserNameRecord), true).bytes;
  const auto is_country = [](std::uint8_t byte) {
    return byte <= GprsLimits::kMaxCountry || byte == kGprsCustomerCountry;
  };
  // Byte 0 zero, 1 operator, 2 country, 6 and 7 always 1, 8 SMS control, 9
  // and 10 zero; record 9 the sender's user name, record 10 the recipient.
  int score = 0;
  score += header[0] == 0 && header[1] <= GprsLimits::kMaxOperator ? 1 : 0;
  score += is_country(header[2]) ? 1 : 0;
  score += header[6] == 1 && header[7] == 1 ? 1 : 0;
  score += header[8] <= kSmsControlOff ? 1 : 0;
  score += AllZero(header, 9, 50) ? 1 : 0;
  score += !sender.empty() && record9 == SenderUserName(sender) ? 3 : 0;
  score += HoldsGprsRecipient(file) ? 2 : 0;
  return score;
}

const KindDescription& GprsKind() {
  static const KindDescription kGprs{
      .name = "gprs",
      .fileName = kGprsFileName,
      .fileSize = kGprsFileSize,
      .layoutScore = &GprsLayoutScore,
      .readBack = &ReadBackGprs,
      .prepare = &PrepareGprs,
      .secretKeys = SecretKeys(),
      .textRecords = &GprsTextRecords,
      .presets = &kGprsPresets,
      .applyOperator = &ApplyGprsOperator,
  };
  return kGprs;
}

}  // namespace quelmo
