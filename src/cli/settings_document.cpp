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

// Deeper than any settings or show output nests (three levels), and far more
// keys than a profile of every kind holds (about 150). Both are refused
// before the parser sees the text: the messages walk values recursively, and
// the ordered objects find each key by a linear search, so a file of a
// hundred thousand keys would take minutes.
constexpr int kMaxNesting = 8;
constexpr std::size_t kMaxKeys = 2000;

struct TextShape {
  bool tooDeep = false;
  std::size_t keys = 0;  // colons outside strings: one per key
};

TextShape MeasureShape(std::string_view text) {
  TextShape shape;
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
    } else if (c == ':') {
      ++shape.keys;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxNesting) shape.tooDeep = true;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return shape;
}

// What the parser was reading when it stopped, for messages that name the key.
struct ParseWatch {
  struct OpenObject {
    std::set<std::string> keys;
    std::string currentKey;
  };
  std::vector<OpenObject> openObjects;
  std::optional<std::string> duplicate;

  // "camera.imageSize": the keys leading to the value being read.
  std::string KeyPath() const {
    std::string path;
    for (const OpenObject& object : openObjects) {
      if (object.currentKey.empty()) continue;
      if (!path.empty()) path += '.';
      path += object.currentKey;
    }
    return path;
  }
};

// JSON lets a key appear twice in an object and keeps one of the values; in a
// settings file that is a mistake to report, not a choice to make silently.
// Throws the JSON library's exceptions for text that is no JSON.
Json ParseWatching(const std::string& text, ParseWatch& watch) {
  const auto callback = [&watch](int, Json::parse_event_t event, Json& parsed) {
    auto& open = watch.openObjects;
    if (event == Json::parse_event_t::object_start) open.emplace_back();
    if (event == Json::parse_event_t::object_end && !open.empty()) open.pop_back();
    if (event == Json::parse_event_t::key && !open.empty()) {
      open.back().currentKey = parsed.get<std::string>();
      if (!watch.duplicate && !open.back().keys.insert(open.back().currentKey).second) {
        watch.duplicate = open.back().currentKey;
      }
    }
    return true;  // keep every value
  };
  return Json::parse(text, callback);
}

// A text for a message without its quotes: cut short, control characters
// escaped.
std::string Unquoted(const std::string& text) {
  const std::string quoted = QuotedPrefix(text);
  return quoted.substr(1, quoted.size() - 2);
}

// The token the library quotes in "number overflow parsing '1e999'".
std::string QuotedToken(const std::string& what) {
  const std::size_t open = what.find('\'');
  const std::size_t close = what.rfind('\'');
  if (open == std::string::npos || close <= open) return "the number";
  return Unquoted(what.substr(open + 1, close - open - 1));
}

}  // namespace

Result<Json> ParseJsonText(const std::string& text) {
  const TextShape shape = MeasureShape(text);
  if (shape.tooDeep) {
    return DocumentError("the settings nest deeper than " + std::to_string(kMaxNesting) +
                         " levels of arrays and objects; no settings file does");
  }
  if (shape.keys > kMaxKeys) {
    return DocumentError("the settings hold more than " + std::to_string(kMaxKeys) +
                         " keys; no settings file or profile does");
  }
  Json document;
  ParseWatch watch;
  try {
    document = ParseWatching(text, watch);
  } catch (const Json::out_of_range& error) {
    // A number beyond what a double holds (1e999, a thousand digits): no
    // setting is near it. The key it belongs to says where.
    const std::string path = watch.KeyPath();
    const std::string where = path.empty() ? "a value" : Unquoted(path);
    return DocumentError(where + ": " + QuotedToken(error.what()) +
                         " is not a number this file can hold");
  } catch (const Json::parse_error& error) {
    // The parser's message ends by quoting the last token read, which may be
    // a long text or a password: only where it stopped is kept.
    std::string why = error.what();
    if (const std::size_t quote = why.find("; last read:"); quote != std::string::npos) {
      why.erase(quote);
    }
    return DocumentError("not valid JSON: " + why);
  } catch (const Json::exception& error) {
    // No other failure is known for input text; should one appear, it is
    // still an answer, not an abort.
    return DocumentError("not valid JSON (error " + std::to_string(error.id) + ")");
  }
  if (watch.duplicate) {
    return DocumentError("the key " + QuotedPrefix(*watch.duplicate) + " appears twice");
  }
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
  if (!file.is_string() || file.get<std::string>() != kind->name) {
    const std::string shown_kind =
        file.is_string() ? QuotedPrefix(file.get<std::string>()) : DescribeJsonValue(file);
    return DocumentError("the settings are show's output of a " + shown_kind + " file, not of a " +
                         std::string(kind->name) + " file");
  }
  SettingsDocument result;
  result.settings = document["settings"];
  if (!result.settings.is_object()) {
    return DocumentError("\"settings\" must be a JSON object, not " +
                         DescribeJsonValue(result.settings));
  }
  if (const auto is_default = document.find("default"); is_default != document.end()) {
    if (!is_default->is_boolean()) {
      return DocumentError("\"default\" must be true or false, not " +
                           DescribeJsonValue(*is_default));
    }
    result.isDefaultFile = kind->hasDefaultFile && is_default->get<bool>();
    // The default file has no settings of its own; settings beside it would
    // be dropped without a word.
    if (result.isDefaultFile && !result.settings.empty()) {
      return DocumentError("\"default\": true stands for the default file, which holds "
                           "no settings, but \"settings\" holds some; give one or the other");
    }
  }
  return result;
}

Result<Json> LoadJsonFile(FileSystem& files, const std::filesystem::path& path, const char* what) {
  auto bytes = ReadBoundedFile(files, path, kSettingsReadLimit, what);
  if (!bytes.ok()) return Error{ErrorCode::kInvalidArgument, bytes.message()};
  auto json = ParseJsonText(std::string(bytes->begin(), bytes->end()));
  if (!json.ok()) return DocumentError(PathToUtf8(path) + ": " + json.message());
  return json;
}

Result<SettingsDocument> LoadSettingsDocument(FileSystem& files, const std::filesystem::path& path,
                                              FileKind kind) {
  auto json = LoadJsonFile(files, path, "settings file");
  if (!json.ok()) return json.error();
  auto document = SettingsDocumentFromJson(*json, kind);
  if (!document.ok()) return DocumentError(PathToUtf8(path) + ": " + document.message());
  return document;
}

}  // namespace quelmo
