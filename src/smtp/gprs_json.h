#pragma once
// GPRS e-mail settings as JSON, by the keys of the field table
// (smtp/gprs_fields.h), texts in UTF-8, plus the camera language. The
// sender's user name is derived, never given.

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

// Auto mode takes the access point from the preset of the country and
// operator: a pair that is not offered is refused, and so is an access-point
// value given in `object` that differs from the preset. Customer mode passes.
Status CheckGprsAutoMode(const Json& object, const GprsSettings& settings);

ShownSettings ShowGprsSettings(const GprsFileContents& contents, bool reveal);

}  // namespace quelmo
