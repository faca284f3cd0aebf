#pragma once
// The --settings file of write: a JSON object of settings, or the whole
// output of show --json (whose "settings" are then taken), so that
// `show --json --reveal` can be fed back to write unchanged.

#include <filesystem>

#include "base/result.h"
#include "cli/kind_registry.h"
#include "kind/settings_json.h"
#include "platform/file_system.h"

namespace quelmo {

struct SettingsDocument {
  Json settings = Json::object();
  bool isDefaultFile = false;  // show's output of a default file (camera.dat)
};

// `kind` is the KIND being written: show output of another kind is refused.
Result<SettingsDocument> ParseSettingsDocument(const std::string& text, FileKind kind);
Result<SettingsDocument> SettingsDocumentFromJson(const Json& document, FileKind kind);

// JSON text, refused when a key appears twice in one object.
Result<Json> ParseJsonText(const std::string& text);
// A JSON file of settings, read through `files`; `what` names its role in
// messages ("profile").
Result<Json> LoadJsonFile(FileSystem& files, const std::filesystem::path& path, const char* what);
Result<SettingsDocument> LoadSettingsDocument(FileSystem& files, const std::filesystem::path& path,
                                              FileKind kind);

}  // namespace quelmo
