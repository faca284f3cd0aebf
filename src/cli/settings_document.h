#pragma once
// The --settings file of write: a JSON object of settings, or the whole
// output of show --json (whose "settings" are then taken), so that
// `show --json --reveal` can be fed back to write unchanged.

#include <filesystem>

#include "base/result.h"
#include "cli/file_kind.h"
#include "cli/json_fields.h"

namespace quelmo {

struct SettingsDocument {
  Json settings = Json::object();
  bool isDefaultCamera = false;  // show's output of the default camera file
};

// `kind` is the KIND being written: show output of another kind is refused.
Result<SettingsDocument> ParseSettingsDocument(const std::string& text, FileKind kind);
Result<SettingsDocument> LoadSettingsDocument(const std::filesystem::path& path, FileKind kind);

}  // namespace quelmo
