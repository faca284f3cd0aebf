#pragma once
// MMS settings as JSON: "mode", "country", "operator", the nine texts (UTF-8),
// "picturesPerDay", "smsControl", plus "cameraLanguage" and "tvMode".

#include "base/result.h"
#include "kind/file_language.h"
#include "kind/settings_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_settings.h"

namespace quelmo {

struct MmsInput {
  MmsSettings settings;
  FileLanguage language;
};

Result<MmsInput> MmsSettingsFromJson(const Json& object, const MmsSettings& initial);

// Auto mode: the preset of "country" and "operator" replaces the six
// parameters. A parameter key given alongside must already hold the preset's
// value, so that the settings of a shown file are written back unchanged.
// Errors name the key.
Status TakeMmsPreset(const Json& object, MmsSettings& settings);

ShownSettings ShowMmsSettings(const MmsFileContents& contents, bool reveal);

}  // namespace quelmo
