#include "sms/sms_kind.h"

#include "record/staged_write.h"
#include "session/app_state.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "sms/sms_json.h"

namespace quelmo {
namespace {

// sms.dat is the only file of its size: its size alone tells it.
int SmsLayoutScore(std::span<const std::uint8_t>) { return 1; }

ReadBackFile ReadBackSms(std::span<const std::uint8_t> bytes, bool) {
  const SmsFileContents contents = ReadSmsFile(bytes);
  ReadBackFile read{false, ShowSmsSettings(contents), contents.integrity};
  if (const auto failed = FirstFailedSmsCheck(contents.settings)) {
    WarnOfFailedSaveCheck(SmsCheckMessage(*failed, kEnglish), read.integrity);
  }
  return read;
}

PreparedFile PrepareSms(const WriteRequest& request) {
  auto input = SmsSettingsFromJson(request.settings, SmsSettings{});
  if (!input.ok()) return PreparedFile::BadSettings(input.message());
  if (const auto failed = FirstFailedSmsCheck(input->settings)) {
    return PreparedFile::CheckFailed(SmsCheckMessage(*failed, request.messageLanguage));
  }
  const int camera_language =
      ResolveFileLanguage(request.overrides, input->language).cameraLanguage;
  return {PreparedFile::Refusal::kNone, {}, SmsFileBytes(input->settings, camera_language),
          StagingFileBytes(BuildSmsRecords(input->settings, camera_language))};
}

}  // namespace

const KindDescription& SmsKind() {
  static const KindDescription kSms{
      .name = "sms",
      .fileName = kSmsFileName,
      .fileSize = kSmsFileSize,
      .layoutScore = &SmsLayoutScore,
      .readBack = &ReadBackSms,
      .prepare = &PrepareSms,
  };
  return kSms;
}

}  // namespace quelmo
