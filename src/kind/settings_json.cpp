#include "kind/settings_json.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "text/gbk.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lowered;
}

// A whole number as a 64-bit value; nothing for any other JSON value. One
// beyond the signed range stands at its limit: every setting is far below.
std::optional<std::int64_t> WholeNumber(const Json& value) {
  if (value.is_number_unsigned()) {
    const auto unsigned_value = value.get<std::uint64_t>();
    if (unsigned_value > static_cast<std::uint64_t>(INT64_MAX)) return INT64_MAX;
    return static_cast<std::int64_t>(unsigned_value);
  }
  if (value.is_number_integer()) return value.get<std::int64_t>();
  return std::nullopt;
}

// The number as the file gave it, for messages (not its clamped value).
std::string NumberAsGiven(const Json& value) { return value.dump(); }

Error KeyError(std::string_view key, const std::string& message) {
  return Error{ErrorCode::kInvalidArgument, std::string(key) + ": " + message};
}

// Enough to recognise a value, never a whole file pasted into one.
constexpr std::size_t kQuotedCharacters = 32;

std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The first C0 or C1 control character or DEL of a UTF-8 text. None of them
// can be typed into a form, and a zero byte would cut the text short for the
// camera.
std::optional<char32_t> FirstControlCharacter(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(utf8[pos]);
    if (byte < 0x20 || byte == 0x7F) return byte;
    if (byte == 0xC2 && pos + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[pos + 1]);
      if (next >= 0x80 && next <= 0x9F) return next;
    }
  }
  return std::nullopt;
}

std::string CodePoint(char32_t character) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
  return text;
}

}  // namespace

std::string JsonTypeName(const Json& value) {
  if (value.is_string()) return "text";
  if (value.is_number_float()) return "fraction";
  if (value.is_number()) return "whole number";
  return value.type_name();
}

std::string QuotedPrefix(std::string_view text) {
  std::size_t pos = 0;
  for (std::size_t characters = 0; pos < text.size() && characters < kQuotedCharacters;
       ++characters) {
    pos += std::min(Utf8Length(static_cast<unsigned char>(text[pos])), text.size() - pos);
  }
  std::string quoted = QuotedForTerminal(text.substr(0, pos));
  if (pos < text.size()) quoted.insert(quoted.size() - 1, "...");
  return quoted;
}

std::string DescribeJsonValue(const Json& value) {
  if (value.is_string()) return QuotedPrefix(value.get_ref<const std::string&>()) + " (text)";
  // ASCII only, so that the cut never splits a character.
  std::string text = value.dump(-1, ' ', true, Json::error_handler_t::replace);
  if (text.size() > kQuotedCharacters) text = text.substr(0, kQuotedCharacters - 3) + "...";
  return text + " (" + JsonTypeName(value) + ")";
}

JsonFieldReader::JsonFieldReader(const Json& object, std::string what)
    : object_(object), what_(std::move(what)) {
  if (!object_.is_object()) {
    first_fault_ = Error{ErrorCode::kInvalidArgument,
                         "the " + what_ + " must be a JSON object, not " + DescribeJsonValue(object_)};
  }
}

const Json* JsonFieldReader::Take(std::string_view key) {
  known_keys_.emplace(key);
  if (!object_.is_object()) return nullptr;
  const auto found = object_.find(std::string(key));
  return found == object_.end() ? nullptr : &*found;
}

void JsonFieldReader::Fail(std::string_view key, std::string message) {
  Fail(KeyError(key, message));
}

void JsonFieldReader::Fail(Error error) {
  if (!first_fault_) first_fault_ = std::move(error);
}

void JsonFieldReader::Integer(std::string_view key, int minimum, int maximum, int& target,
                              std::optional<int> also_allowed) {
  std::optional<int> value;
  Integer(key, minimum, maximum, value, also_allowed);
  if (value) target = *value;
}

void JsonFieldReader::Integer(std::string_view key, int minimum, int maximum,
                              std::optional<int>& target, std::optional<int> also_allowed) {
  const Json* value = Take(key);
  if (value == nullptr) return;
  const auto number = WholeNumber(*value);
  if (!number) {
    Fail(key, "expected a whole number, got " + DescribeJsonValue(*value));
  } else if ((*number < minimum || *number > maximum) &&
             !(also_allowed && *number == *also_allowed)) {
    std::string allowed = std::to_string(minimum) + " to " + std::to_string(maximum);
    if (also_allowed) allowed += ", or " + std::to_string(*also_allowed);
    Fail(key, NumberAsGiven(*value) + " is outside " + allowed);
  } else {
    target = static_cast<int>(*number);
  }
}

void JsonFieldReader::ListEntry(std::string_view key, const std::vector<std::string>& names,
                                int& target, std::optional<int> also_allowed) {
  const Json* value = Take(key);
  if (value == nullptr) return;
  const int entries = static_cast<int>(names.size());
  std::string allowed = DescribeListEntries(names);
  if (also_allowed) allowed += ", or " + std::to_string(*also_allowed);

  if (value->is_string()) {
    const auto text = value->get<std::string>();
    if (const auto index = FindListEntry(names, text)) {
      target = *index;
    } else {
      Fail(key, QuotedPrefix(text) + " is not an entry of the list (" + allowed + ")");
    }
    return;
  }
  const auto number = WholeNumber(*value);
  if (!number) {
    Fail(key, "expected a list index or an entry's text, got " + DescribeJsonValue(*value));
  } else if ((*number >= 0 && *number < entries) || (also_allowed && *number == *also_allowed)) {
    target = static_cast<int>(*number);
  } else {
    Fail(key, NumberAsGiven(*value) + " is not an entry of the list (" + allowed + ")");
  }
}

void JsonFieldReader::Text(std::string_view key, std::size_t byte_limit, std::string& target,
                           bool secret, bool number_as_digits) {
  const Json* value = Take(key);
  if (value == nullptr) return;
  const std::optional<std::int64_t> number = WholeNumber(*value);
  if (number_as_digits && number && *number >= 0) {
    // "smtpPort": 25 means what the form's field shows: the digits 25. Parsed
    // from text it is unsigned; put into the object by the program, signed.
    Json digits = value->dump();
    Json object = Json::object();
    object[std::string(key)] = std::move(digits);
    JsonFieldReader as_text(object, what_);
    as_text.Text(key, byte_limit, target);
    if (Status status = as_text.Finish(); !status.ok()) Fail(status.error());
    return;
  }
  if (secret && value->is_null()) {
    Fail(key, "the password was hidden when the file was read (show or export without "
              "--reveal); read the file again with --reveal to include it");
    return;
  }
  // A password is never quoted, not even in part: messages end up in
  // terminals, logs and bug reports.
  if (!value->is_string()) {
    Fail(key, std::string(number_as_digits ? "expected a text or a whole number from 0, got "
                                           : "expected a text, got ") +
                  (secret ? "a " + JsonTypeName(*value) : DescribeJsonValue(*value)));
    return;
  }
  const std::string& text = value->get_ref<const std::string&>();
  if (const std::optional<char32_t> control = FirstControlCharacter(text)) {
    Fail(key, "the text holds the control character " + CodePoint(*control) +
                  "; no form can type one, and the camera cannot take it");
    return;
  }
  auto stored = EncodeField(key, text, byte_limit);
  if (!stored.ok()) {
    if (secret && stored.error().code == ErrorCode::kNotEncodable) {
      Fail(key, "the password holds a character that cannot be stored (GBK, code page 936)");
    } else {
      Fail(stored.error());
    }
    return;
  }
  target = std::move(stored).value();
}

Status JsonFieldReader::Finish() const {
  if (object_.is_object()) {
    for (const auto& item : object_.items()) {
      if (known_keys_.count(item.key()) != 0) continue;
      std::string message = "unknown key " + QuotedPrefix(item.key()) + " in the " + what_;
      for (const auto& known : known_keys_) {
        if (Lowered(known) == Lowered(item.key())) message += " (did you mean \"" + known + "\"?)";
      }
      return Error{ErrorCode::kInvalidArgument, message};
    }
  }
  if (first_fault_) return *first_fault_;
  return Status::Ok();
}

}  // namespace quelmo
