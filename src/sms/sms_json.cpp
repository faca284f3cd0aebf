#include "sms/sms_json.h"

#include <array>

#include "remote_control/remote_control_texts.h"
#include "session/app_state.h"

namespace quelmo {
namespace {

using S = SmsSettings;

std::vector<std::string> EnglishSmsControl() { return SmsControlEntries(kEnglish); }

// The form's list can be left without a selection, stored as 0xFF; -1 keeps
// such a file reproducible.
constexpr int kNoSmsControl = -1;

const std::array<SettingsField<S>, 5> kFields{
    StoredTextField<S>{"phone1", &S::phone1, SmsLimits::kPhone},
    StoredTextField<S>{"phone2", &S::phone2, SmsLimits::kPhone},
    StoredTextField<S>{"phone3", &S::phone3, SmsLimits::kPhone},
    IntegerField<S>{kPicturesPerDayKey, &S::picturesPerDay, 0, 99},
    ListField<S>{kSmsControlKey, &S::smsControl, &EnglishSmsControl, kNoSmsControl},
};

}  // namespace

Result<SmsInput> SmsSettingsFromJson(const Json& object, const SmsSettings& initial) {
  SmsInput input{initial, {}};
  JsonFieldReader reader(object, "SMS settings");
  ReadSettingsFields<S>(reader, kFields, input.settings);
  ReadFileLanguage(reader, /*stores_tv_mode=*/false, input.language);
  if (auto status = reader.Finish(); !status.ok()) return status.error();
  return input;
}

ShownSettings ShowSmsSettings(const SmsFileContents& contents) {
  ShownSettings shown;
  ShowSettingsFields<S>(shown, kFields, contents.settings, /*reveal=*/true);
  if (contents.settings.smsControl == kNoSmsControl) shown.notes[std::string(kSmsControlKey)] = "no entry chosen";
  shown.json[std::string(kCameraLanguageKey)] = contents.cameraLanguage;
  return shown;
}

}  // namespace quelmo
