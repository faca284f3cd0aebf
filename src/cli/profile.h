#pragma once
// A card's whole set-up as one JSON document, for setting up card after card
// the same way: {"camera": {...}, "mms": {...}, "gprs": {...}, "sms": {...}},
// each kind's settings as show --json gives them (its camera language and TV
// mode included); a kind whose file was absent is absent. A kind's value is
// anything write --settings takes, so the default camera file goes in as
// show's whole output, the one form that says "default".

#include <vector>

#include "base/result.h"
#include "cli/decoded_file.h"
#include "cli/kind_registry.h"
#include "kind/settings_json.h"
#include "cli/settings_document.h"

namespace quelmo {

Json ProfileEntry(const DecodedFile& decoded);

struct ProfileKind {
  FileKind kind;
  SettingsDocument document;
};

// The kinds of a profile in the order camera, mms, gprs, sms. An error, naming
// the kind, for a key that is no kind, a value that is no settings, or a
// profile with no kind at all.
Result<std::vector<ProfileKind>> ReadProfile(const Json& profile);

}  // namespace quelmo
