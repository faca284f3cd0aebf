#pragma once
// Reading a gprs.dat back into the SMTP/GPRS form, by the rule both preset
// forms follow (presets/settings_load.h): a file of another size or kind, or
// a damaged one, is refused whole; a sound one loads with its findings.

#include <cstdint>
#include <span>

#include "presets/settings_load.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_settings.h"

namespace quelmo {

// Texts as stored (GBK), every one valid: one that is not is left empty. The
// sender password is never taken from a file: empty. Country and operator
// name an offered preset in Auto mode, 0 in Customer.
using GprsLoaded = LoadedSettings<GprsSettings, GprsField>;

LoadOutcome<GprsSettings, GprsField> LoadGprsSettings(std::span<const std::uint8_t> bytes);

}  // namespace quelmo
