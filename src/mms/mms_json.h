#pragma once
// MMS settings as JSON, by the keys of the field table (mms/mms_fields.h),
// texts in UTF-8, plus the camera language and the TV mode.

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

// Auto mode: the preset of the country and operator replaces the six
// parameters. A parameter key given alongside must already hold the preset's
// value, so that the settings of a shown file are written back unchanged.
// Errors name the key.
Status TakeMmsPreset(const Json& object, MmsSettings& settings);

ShownSettings ShowMmsSettings(const MmsFileContents& contents, bool reveal);

}  // namespace quelmo
