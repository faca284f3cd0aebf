#include "cli/json_fields.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

#include "text/gbk.h"

namespace quelmo {
namespace {

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lowered;
}

std::string JsonTypeName(const Json& value) {
  if (value.is_string()) return "text";
  if (value.is_number_float()) return "fraction";
  if (value.is_number()) return "whole number";
  return value.type_name();
}

// A whole number as a 64-bit value; nothing for any other JSON value or a
// number too large to matter.
std::optional<std::int64_t> WholeNumber(const Json& value) {
  if (value.is_number_unsigned()) {
    const auto unsigned_value = value.get<std::uint64_t>();
    if (unsigned_value > static_cast<std::uint64_t>(INT64_MAX)) return INT64_MAX;
    return static_cast<std::int64_t>(unsigned_value);
  }
  if (value.is_number_integer()) return value.get<std::int64_t>();
  return std::nullopt;
}

Error KeyError(std::string_view key, const std::string& message) {
  return Error{ErrorCode::kInvalidArgument, std::string(key) + ": " + message};
}

}  // namespace

std::string DescribeJsonValue(const Json& value) {
  std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
  if (text.size() > 60) text = text.substr(0, 57) + "...";
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
    Fail(key, std::to_string(*number) + " is outside " + allowed);
  } else {
    target = static_cast<int>(*number);
  }
}

void JsonFieldReader::ListEntry(std::string_view key, EnglishList list, int& target,
                                std::optional<int> also_allowed) {
  const Json* value = Take(key);
  if (value == nullptr) return;
  const int entries = static_cast<int>(EnglishListNames(list).size());
  std::string allowed = DescribeEnglishList(list);
  if (also_allowed) allowed += ", or " + std::to_string(*also_allowed);

  if (value->is_string()) {
    const auto text = value->get<std::string>();
    if (const auto index = FindEnglishListEntry(list, text)) {
      target = *index;
    } else {
      Fail(key, "\"" + text + "\" is not an entry of the list (" + allowed + ")");
    }
    return;
  }
  const auto number = WholeNumber(*value);
  if (!number) {
    Fail(key, "expected a list index or an entry's text, got " + DescribeJsonValue(*value));
  } else if ((*number >= 0 && *number < entries) || (also_allowed && *number == *also_allowed)) {
    target = static_cast<int>(*number);
  } else {
    Fail(key, std::to_string(*number) + " is not an entry of the list (" + allowed + ")");
  }
}

void JsonFieldReader::Text(std::string_view key, std::size_t byte_limit, std::string& target,
                           bool secret) {
  const Json* value = Take(key);
  if (value == nullptr) return;
  if (secret && value->is_null()) {
    Fail(key, "the password was hidden when the file was read (show or export without "
              "--reveal); read the file again with --reveal to include it");
    return;
  }
  if (!value->is_string()) {
    Fail(key, "expected a text, got " + DescribeJsonValue(*value));
    return;
  }
  auto stored = EncodeField(key, value->get<std::string>(), byte_limit);
  if (!stored.ok()) {
    Fail(stored.error());
    return;
  }
  target = std::move(stored).value();
}

Status JsonFieldReader::Finish() const {
  if (object_.is_object()) {
    for (const auto& item : object_.items()) {
      if (known_keys_.count(item.key()) != 0) continue;
      std::string message = "unknown key \"" + item.key() + "\" in the " + what_;
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
