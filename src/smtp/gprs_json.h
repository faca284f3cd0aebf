#pragma once
// GPRS e-mail settings as JSON: "apnMode", "country", "operator",
// "picturesPerDay", the nine texts (UTF-8), "smsControl", plus
// "cameraLanguage". The sender's user name is derived, never given.

#include "base/result.h"
#include "kind/file_language.h"
#include "kind/settings_fields.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_settings.h"

namespace quelmo {

struct GprsInput {
  GprsSettings settings;
  FileLanguage language;
};

Result<GprsInput> GprsSettingsFromJson(const Json& object, const GprsSettings& initial);

// Auto mode takes the access point from the preset of "country" and
// "operator": a pair that is not offered is refused, and so is an "apn",
// "gprsAccount" or "gprsPassword" given in `object` that differs from the
// preset. Customer mode passes.
Status CheckGprsAutoMode(const Json& object, const GprsSettings& settings);

ShownSettings ShowGprsSettings(const GprsFileContents& contents, bool reveal);

}  // namespace quelmo
