#include "cli/settings_document.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "record/bounded_read.h"
#include "platform/file_system.h"

namespace quelmo {
namespace {

// Settings are a few hundred bytes; anything near this is not a settings file.
constexpr std::uintmax_t kSettingsReadLimit = 1024 * 1024;

Error DocumentError(const std::string& message) {
  return Error{ErrorCode::kInvalidArgument, message};
}

bool IsShowOutput(const Json& document) {
  return document.is_object() && document.contains("file") && document.contains("settings");
}

// JSON lets a key appear twice in an object and keeps one of the values; in a
// settings file that is a mistake to report, not a choice to make silently.
// Throws Json::parse_error for text that is no JSON.
Json ParseNoticingDuplicateKeys(const std::string& text, std::optional<std::string>& duplicate) {
  std::vector<std::set<std::string>> open_objects;
  const auto watch = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) open_objects.emplace_back();
    if (event == Json::parse_event_t::object_end && !open_objects.empty()) open_objects.pop_back();
    if (event == Json::parse_event_t::key && !open_objects.empty() && !duplicate &&
        !open_objects.back().insert(parsed.get<std::string>()).second) {
      duplicate = parsed.get<std::string>();
    }
    return true;  // keep every value
  };
  return Json::parse(text, watch);
}

}  // namespace

Result<Json> ParseJsonText(const std::string& text) {
  Json document;
  std::optional<std::string> duplicate;
  try {
    document = ParseNoticingDuplicateKeys(text, duplicate);
  } catch (const Json::parse_error& error) {
    return DocumentError(std::string("not valid JSON: ") + error.what());
  }
  if (duplicate) return DocumentError("the key \"" + *duplicate + "\" appears twice");
  return document;
}

Result<SettingsDocument> ParseSettingsDocument(const std::string& text, FileKind kind) {
  auto document = ParseJsonText(text);
  if (!document.ok()) return document.error();
  return SettingsDocumentFromJson(*document, kind);
}

Result<SettingsDocument> SettingsDocumentFromJson(const Json& document, FileKind kind) {
  if (!document.is_object()) {
    return DocumentError("the settings must be a JSON object, not " + DescribeJsonValue(document));
  }
  if (!IsShowOutput(document)) return SettingsDocument{document, false};

  const Json& file = document["file"];
  if (!file.is_string() || file.get<std::string>() != FileKindName(kind)) {
    const std::string shown_kind = file.is_string() ? file.get<std::string>() : file.dump();
    return DocumentError("the settings are show's output of a " + shown_kind + " file, not of a " +
                         std::string(FileKindName(kind)) + " file");
  }
  SettingsDocument result;
  result.settings = document["settings"];
  const auto is_default = document.find("default");
  result.isDefaultCamera =
      kind == FileKind::kCamera && is_default != document.end() && *is_default == true;
  if (!result.settings.is_object()) {
    return DocumentError("\"settings\" must be a JSON object, not " +
                         DescribeJsonValue(result.settings));
  }
  return result;
}

Result<Json> LoadJsonFile(const std::filesystem::path& path, const char* what) {
  auto bytes = ReadBoundedFile(path, kSettingsReadLimit, what);
  if (!bytes.ok()) return Error{ErrorCode::kInvalidArgument, bytes.message()};
  auto json = ParseJsonText(std::string(bytes->begin(), bytes->end()));
  if (!json.ok()) return DocumentError(PathToUtf8(path) + ": " + json.message());
  return json;
}

Result<SettingsDocument> LoadSettingsDocument(const std::filesystem::path& path, FileKind kind) {
  auto json = LoadJsonFile(path, "settings file");
  if (!json.ok()) return json.error();
  auto document = SettingsDocumentFromJson(*json, kind);
  if (!document.ok()) return DocumentError(PathToUtf8(path) + ": " + document.message());
  return document;
}

}  // namespace quelmo
