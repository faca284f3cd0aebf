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

// Deeper than any settings or show output nests (three levels). Refused
// before the parser and the messages, which walk values recursively, see it.
constexpr int kMaxNesting = 8;

bool NestsDeeperThan(std::string_view text, int limit) {
  int depth = 0;
  bool in_string = false;
  bool escaped = false;
  for (const char c : text) {
    if (in_string) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        in_string = false;
      }
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return true;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return false;
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
  if (NestsDeeperThan(text, kMaxNesting)) {
    return DocumentError("the settings nest deeper than " + std::to_string(kMaxNesting) +
                         " levels of arrays and objects; no settings file does");
  }
  Json document;
  std::optional<std::string> duplicate;
  try {
    document = ParseNoticingDuplicateKeys(text, duplicate);
  } catch (const Json::parse_error& error) {
    // The parser's message ends by quoting the last token read, which may be
    // a long text or a password: only where it stopped is kept.
    std::string why = error.what();
    if (const std::size_t quote = why.find("; last read:"); quote != std::string::npos) {
      why.erase(quote);
    }
    return DocumentError("not valid JSON: " + why);
  }
  if (duplicate) return DocumentError("the key " + QuotedPrefix(*duplicate) + " appears twice");
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
    const std::string shown_kind =
        file.is_string() ? QuotedPrefix(file.get<std::string>()) : DescribeJsonValue(file);
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
