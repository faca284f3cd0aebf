#pragma once
// SMS remote-control settings as JSON: "phone1", "phone2", "phone3", the
// daily limit and the SMS control, plus the camera language.

#include "base/result.h"
#include "kind/file_language.h"
#include "kind/settings_fields.h"
#include "sms/sms_file.h"
#include "sms/sms_settings.h"

namespace quelmo {

struct SmsInput {
  SmsSettings settings;
  FileLanguage language;
};

Result<SmsInput> SmsSettingsFromJson(const Json& object, const SmsSettings& initial);

ShownSettings ShowSmsSettings(const SmsFileContents& contents);

}  // namespace quelmo
