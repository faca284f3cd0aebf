#pragma once
// A kind's field table (kind/field_table.h) as JSON: reading a settings
// file, printing a file's settings and naming list entries all go by it.

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "kind/field_table.h"
#include "kind/list_names.h"
#include "kind/settings_json.h"
#include "text/gbk.h"

namespace quelmo {

// Settings as show prints them: the JSON object, and for list values the
// English entry beside the index ("imageSize" -> "5MP").
struct ShownSettings {
  Json json = Json::object();
  std::map<std::string, std::string, std::less<>> notes;
};

// Hidden passwords are null in JSON: a value write refuses with a hint.
inline constexpr const char* kHiddenText = "(hidden; use --reveal)";

inline void HideValue(ShownSettings& shown, const std::string& key) {
  shown.json[key] = nullptr;
  shown.notes[key] = kHiddenText;
}

inline bool IsHidden(const ShownSettings& shown, const std::string& key) {
  const auto value = shown.json.find(key);
  const auto note = shown.notes.find(key);
  return value != shown.json.end() && value->is_null() && note != shown.notes.end() &&
         note->second == kHiddenText;
}

template <typename Settings>
void ReadSettingsFields(JsonFieldReader& reader, std::span<const SettingsField<Settings>> fields,
                        Settings& settings) {
  for (const auto& field : fields) {
    std::visit(
        [&](const auto& f) {
          using F = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<F, IntegerField<Settings>>) {
            reader.Integer(f.key, f.minimum, f.maximum, settings.*f.member, f.alsoAllowed);
          } else if constexpr (std::is_same_v<F, ListField<Settings>>) {
            reader.ListEntry(f.key, f.entries(), settings.*f.member, f.alsoAllowed);
          } else {
            reader.Text(f.key, f.byteLimit, settings.*f.member, f.secret, f.numberAsDigits);
          }
        },
        field);
  }
}

template <typename Settings>
void ShowSettingsFields(ShownSettings& shown, std::span<const SettingsField<Settings>> fields,
                        const Settings& settings, bool reveal) {
  for (const auto& field : fields) {
    std::visit(
        [&](const auto& f) {
          using F = std::decay_t<decltype(f)>;
          const std::string key(f.key);
          if constexpr (std::is_same_v<F, StoredTextField<Settings>>) {
            const std::string& stored = settings.*f.member;
            if (f.secret && !reveal && !stored.empty()) {
              HideValue(shown, key);
            } else {
              shown.json[key] = GbkToUtf8ForDisplay(stored);
            }
          } else {
            shown.json[key] = settings.*f.member;
            if constexpr (std::is_same_v<F, ListField<Settings>>) {
              if (auto name = ListEntryName(f.entries(), settings.*f.member)) shown.notes[key] = *name;
            }
          }
        },
        field);
  }
}

}  // namespace quelmo
