#pragma once
// Camera settings as JSON: every list value as the form's list index (or the
// entry's English text), "serialChars" an array of four, "clock" as
// "YYYY-MM-DDTHH:MM:SS", plus the camera language and the TV mode.

#include "base/result.h"
#include "camera/camera_file.h"
#include "camera/camera_settings.h"
#include "kind/file_language.h"
#include "kind/settings_fields.h"

namespace quelmo {

struct CameraInput {
  CameraSettings settings;
  FileLanguage language;
};

// `initial` holds the form's initial values, the clock included; the keys of
// `object` replace them. The clock year is clamped to 2010..2031.
Result<CameraInput> CameraSettingsFromJson(const Json& object, const CameraSettings& initial);

ShownSettings ShowCameraSettings(const CameraFileContents& contents);

}  // namespace quelmo
