#pragma once
// A kind's fields described once, in one table: the JSON key, the settings
// member, the limit, where the value sits in the file, the control that shows
// it, its caption, whether it is secret. The file's reader and writer, the
// JSON, the form's exchange with its controls, the findings and the operator
// fill all go by the table, and the checks below let the compiler refuse a
// table that does not fit its file or its window.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "controls/form_view.h"
#include "kind/list_names.h"
#include "record/setting_record.h"

namespace quelmo {

// Keys several kinds share, so that one setting reads the same in each kind's
// settings; each kind's table takes its own key from here.
inline constexpr std::string_view kCountryKey = "country";
inline constexpr std::string_view kOperatorKey = "operator";
inline constexpr std::string_view kApnKey = "apn";
inline constexpr std::string_view kPicturesPerDayKey = "picturesPerDay";
inline constexpr std::string_view kSmsControlKey = "smsControl";
// The two values a file takes from the application state (kind/file_language.h).
inline constexpr std::string_view kCameraLanguageKey = "cameraLanguage";
inline constexpr std::string_view kTvModeKey = "tvMode";

// The value of an operator (a preset row or the operator database) that a
// field takes: Auto mode shows the preset's, write --operator and the finder
// the database's.
enum class OperatorValue : std::uint8_t { kNone, kUrl, kApn, kGateway, kPort, kAccount, kPassword };

// Where a field sits in its file and on its form; zero where it has no place.
struct FieldPlace {
  // A text: the record that holds it. A value of the header (record 0): its
  // byte there, the first of two for a value stored as tens and units.
  std::size_t record = 0;
  std::size_t byte = 0;
  ControlId control = 0;  // the edit box or list that shows it
  ControlId label = 0;    // the static text that captions it
  // The caption's English text and its translation context (the catalogues
  // translate it); a message about the field names it so.
  std::string_view caption = {};
  std::string_view captionContext = {};
  // What a finding of the file's reader calls it, in English; the caption
  // when empty.
  std::string_view findingName = {};
  int finding = -1;  // the kind's finding id of the field (its reader's enum)
  // The order in which the form takes its edits; it stops at the first that
  // fails, so this decides which of two faults the user hears of first.
  int formOrder = 0;
  OperatorValue operatorValue = OperatorValue::kNone;
  bool keptOnModeChange = false;  // a switch of the Auto/Customer mode leaves it alone
  // The edit takes more than the limit, so that the form can refuse it with
  // its own message rather than stop the typing.
  bool typedPastLimit = false;
};

template <typename Settings>
struct IntegerField {
  std::string_view key;
  int Settings::*member;
  int minimum = 0;
  int maximum = 0;
  std::optional<int> alsoAllowed = std::nullopt;  // one value outside the range
  FieldPlace place = {};
};

template <typename Settings>
struct ListField {
  std::string_view key;
  int Settings::*member;
  EnglishEntries entries;
  std::optional<int> alsoAllowed = std::nullopt;  // one value outside the list
  FieldPlace place = {};
};

template <typename Settings>
struct StoredTextField {
  std::string_view key;
  std::string Settings::*member;
  std::size_t byteLimit = 0;
  bool secret = false;  // a password: hidden by show unless revealed
  // Digits typed as text (a port): a JSON whole number is taken as its digits.
  bool numberAsDigits = false;
  FieldPlace place = {};
};

template <typename Settings>
using SettingsField =
    std::variant<IntegerField<Settings>, ListField<Settings>, StoredTextField<Settings>>;

template <typename Settings>
using FieldTable = std::span<const SettingsField<Settings>>;

template <typename Settings>
constexpr std::string_view FieldKey(const SettingsField<Settings>& field) {
  return std::visit([](const auto& f) { return f.key; }, field);
}

template <typename Settings>
constexpr const FieldPlace& PlaceOf(const SettingsField<Settings>& field) {
  return std::visit([](const auto& f) -> const FieldPlace& { return f.place; }, field);
}

constexpr std::string_view FindingName(const FieldPlace& place) {
  return place.findingName.empty() ? place.caption : place.findingName;
}

// The English name of a finding id's field; empty for a finding of no field.
template <typename Settings>
constexpr std::string_view FindingNameOf(FieldTable<Settings> fields, int finding) {
  for (const auto& field : fields) {
    if (PlaceOf(field).finding == finding) return FindingName(PlaceOf(field));
  }
  return {};
}

// ---- Lookups by member ------------------------------------------------------

// The row of a member; nullptr when the table has none. Code that needs one
// field's key, record or control asks the table rather than repeat it.
template <typename Settings>
constexpr const StoredTextField<Settings>* FindField(FieldTable<Settings> fields,
                                                     std::string Settings::*member) {
  for (const auto& field : fields) {
    if (const auto* text = std::get_if<StoredTextField<Settings>>(&field)) {
      if (text->member == member) return text;
    }
  }
  return nullptr;
}

template <typename Settings>
constexpr const SettingsField<Settings>* FindField(FieldTable<Settings> fields,
                                                   int Settings::*member) {
  for (const auto& field : fields) {
    const bool same = std::visit(
        [member](const auto& f) {
          if constexpr (std::is_same_v<decltype(f.member), int Settings::*>) {
            return f.member == member;
          } else {
            return false;
          }
        },
        field);
    if (same) return &field;
  }
  return nullptr;
}

// The key and place of a member, worked out by the compiler, which refuses a
// member the table has no row for.
template <typename Settings, typename Member>
consteval std::string_view KeyOf(FieldTable<Settings> fields, Member Settings::*member) {
  const auto* field = FindField(fields, member);
  if (field == nullptr) throw "the member has no row in the table";
  if constexpr (std::is_same_v<Member, std::string>) {
    return field->key;
  } else {
    return FieldKey(*field);
  }
}

template <typename Settings, typename Member>
consteval const FieldPlace& PlaceOf(FieldTable<Settings> fields, Member Settings::*member) {
  const auto* field = FindField(fields, member);
  if (field == nullptr) throw "the member has no row in the table";
  if constexpr (std::is_same_v<Member, std::string>) {
    return field->place;
  } else {
    return PlaceOf(*field);
  }
}

template <typename Settings>
consteval const StoredTextField<Settings>& TextFieldOf(FieldTable<Settings> fields,
                                                       std::string Settings::*member) {
  const auto* field = FindField(fields, member);
  if (field == nullptr) throw "the member has no row in the table";
  return *field;
}

// The text field the form's edit `control` shows; nullptr for another control.
template <typename Settings>
constexpr const StoredTextField<Settings>* TextFieldShownBy(FieldTable<Settings> fields,
                                                            ControlId control) {
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && text->place.control == control) return text;
  }
  return nullptr;
}

// The text field of a finding id; nullptr for a finding of no text.
template <typename Settings>
constexpr const StoredTextField<Settings>* TextFieldOfFinding(FieldTable<Settings> fields,
                                                              int finding) {
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && text->place.finding == finding) return text;
  }
  return nullptr;
}

// The text fields an operator's values fill, in table order.
template <typename Settings>
std::vector<const StoredTextField<Settings>*> OperatorFields(FieldTable<Settings> fields) {
  std::vector<const StoredTextField<Settings>*> filled;
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && text->place.operatorValue != OperatorValue::kNone) {
      filled.push_back(text);
    }
  }
  return filled;
}

// The text fields in the order of their records, as a reader meets them.
template <typename Settings>
std::vector<const StoredTextField<Settings>*> TextFieldsByRecord(FieldTable<Settings> fields) {
  std::vector<const StoredTextField<Settings>*> texts;
  for (const auto& field : fields) {
    if (const auto* text = std::get_if<StoredTextField<Settings>>(&field)) texts.push_back(text);
  }
  std::stable_sort(texts.begin(), texts.end(), [](const auto* a, const auto* b) {
    return a->place.record < b->place.record;
  });
  return texts;
}

// The text fields the form shows in edits, in the order the form takes them.
template <typename Settings>
std::vector<const StoredTextField<Settings>*> TextFieldsByFormOrder(FieldTable<Settings> fields) {
  std::vector<const StoredTextField<Settings>*> texts;
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && text->place.control != 0) texts.push_back(text);
  }
  std::stable_sort(texts.begin(), texts.end(), [](const auto* a, const auto* b) {
    return a->place.formOrder < b->place.formOrder;
  });
  return texts;
}

// The text records and the key each is shown as, in record order.
template <typename Settings>
std::vector<NamedTextRecord> TextRecordsOf(FieldTable<Settings> fields) {
  std::vector<NamedTextRecord> records;
  for (const auto* text : TextFieldsByRecord(fields)) {
    records.push_back({text->place.record, text->key});
  }
  return records;
}

// The keys of the secret fields, in table order.
template <typename Settings>
std::vector<std::string_view> SecretKeysOf(FieldTable<Settings> fields) {
  std::vector<std::string_view> keys;
  for (const auto& field : fields) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&field);
    if (text != nullptr && text->secret) keys.push_back(text->key);
  }
  return keys;
}

// ---- What the compiler checks ---------------------------------------------

// No key, no control and no label twice.
template <typename Settings>
constexpr bool FieldsAreDistinct(FieldTable<Settings> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const FieldPlace& a = PlaceOf(fields[i]);
    for (std::size_t j = i + 1; j < fields.size(); ++j) {
      const FieldPlace& b = PlaceOf(fields[j]);
      if (FieldKey(fields[i]) == FieldKey(fields[j])) return false;
      if (a.control != 0 && (a.control == b.control || a.control == b.label)) return false;
      if (a.label != 0 && (a.label == b.label || a.label == b.control)) return false;
      if (a.finding >= 0 && a.finding == b.finding) return false;
    }
  }
  return true;
}

// Every text has a record of its own among records first..last, and a limit
// that such a record holds.
template <typename Settings>
constexpr bool TextsFitRecords(FieldTable<Settings> fields, std::size_t first, std::size_t last) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto* text = std::get_if<StoredTextField<Settings>>(&fields[i]);
    if (text == nullptr) continue;
    const std::size_t record = text->place.record;
    if (record < first || record > last) return false;
    if (text->byteLimit == 0 || text->byteLimit > kMaxTextBytes) return false;
    for (std::size_t j = i + 1; j < fields.size(); ++j) {
      const auto* other = std::get_if<StoredTextField<Settings>>(&fields[j]);
      if (other != nullptr && other->place.record == record) return false;
    }
  }
  return true;
}

// Every value of the header has a byte of its own before the text area, or
// none (record 0, byte 0: a value the header does not store as such).
template <typename Settings>
constexpr bool ValuesFitHeader(FieldTable<Settings> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (std::holds_alternative<StoredTextField<Settings>>(fields[i])) continue;
    const FieldPlace& place = PlaceOf(fields[i]);
    if (place.record != 0 || place.byte >= kTextLengthByte) return false;
    if (place.byte == 0) continue;
    for (std::size_t j = i + 1; j < fields.size(); ++j) {
      if (std::holds_alternative<StoredTextField<Settings>>(fields[j])) continue;
      if (PlaceOf(fields[j]).byte == place.byte) return false;
    }
  }
  return true;
}

// Each control and label of the table is one of the window's, of the kind
// that fits: an edit box for a text, a drop-down list for a list, either for
// a number (a country is picked from a list), a static text for a label. `kind_of(id)` gives a control's kind as the
// window's template names it, empty for an id it does not have.
template <typename Settings, typename KindOf>
constexpr bool FieldsMatchWindow(FieldTable<Settings> fields, KindOf kind_of) {
  for (const auto& field : fields) {
    const FieldPlace& place = PlaceOf(field);
    if (place.control != 0) {
      const std::string_view kind = kind_of(place.control);
      const bool fits = std::holds_alternative<StoredTextField<Settings>>(field) ? kind == "edit"
                        : std::holds_alternative<ListField<Settings>>(field)
                            ? kind == "dropdown-list"
                            : kind == "edit" || kind == "dropdown-list";
      if (!fits) return false;
    }
    if (place.label != 0 && kind_of(place.label) != "label") return false;
    if (place.label != 0 && place.caption.empty()) return false;
  }
  return true;
}

}  // namespace quelmo
