#pragma once
// Reading an mms.dat back into the MMS form, by the rule both preset forms
// follow (presets/settings_load.h): a file of another size or kind, or a
// damaged one, is refused whole; a sound one loads with its findings.

#include <cstdint>
#include <span>

#include "mms/mms_file.h"
#include "mms/mms_settings.h"
#include "presets/settings_load.h"

namespace quelmo {

// Texts as stored (GBK), every one valid: one that is not is left empty. In
// Auto mode the country and operator name an offered preset.
using MmsLoaded = LoadedSettings<MmsSettings, MmsField>;

LoadOutcome<MmsSettings, MmsField> LoadMmsSettings(std::span<const std::uint8_t> bytes);

}  // namespace quelmo
