#pragma once
// Taking settings out of a JSON object key by key. The reader remembers the
// first fault and which keys were asked for, so that a misspelt key is
// reported instead of silently ignored. Every message names the key.

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "base/result.h"
#include "kind/list_names.h"

namespace quelmo {

// Ordered, so that show prints the keys in the order of the form.
using Json = nlohmann::ordered_json;

class JsonFieldReader {
 public:
  // `what` names the object in messages ("camera settings").
  JsonFieldReader(const Json& object, std::string what);

  // A whole number in minimum..maximum, or `also_allowed`. An absent key
  // leaves `target` as it is.
  void Integer(std::string_view key, int minimum, int maximum, int& target,
               std::optional<int> also_allowed = std::nullopt);
  void Integer(std::string_view key, int minimum, int maximum, std::optional<int>& target,
               std::optional<int> also_allowed = std::nullopt);
  // A list index, or the entry's English text; `also_allowed` is one more
  // index outside the list that a file may carry (-1 for no selection).
  void ListEntry(std::string_view key, const std::vector<std::string>& names, int& target,
                 std::optional<int> also_allowed = std::nullopt);
  // A UTF-8 text, stored as GBK within `byte_limit` bytes. A secret (password)
  // hidden by show arrives as null and is refused with a hint. With
  // `number_as_digits`, a whole number not below zero stands for its digits.
  void Text(std::string_view key, std::size_t byte_limit, std::string& target, bool secret = false,
            bool number_as_digits = false);

  // The value of a key read by hand; nullptr when absent. Marks the key known.
  const Json* Take(std::string_view key);
  void Fail(std::string_view key, std::string message);
  void Fail(Error error);
  bool failed() const { return first_fault_.has_value(); }

  // An unknown key, else the first fault, else ok.
  Status Finish() const;

 private:
  const Json& object_;
  std::string what_;
  std::set<std::string, std::less<>> known_keys_;
  std::optional<Error> first_fault_;
};

// "true (boolean)", "\"5MP\" (text)": a value as a message quotes it, cut
// to a short prefix.
std::string DescribeJsonValue(const Json& value);
// "whole number", "text": what a message says of a value it must not quote.
std::string JsonTypeName(const Json& value);
// A text in quotes as a message shows it: at most a few dozen characters,
// control characters escaped.
std::string QuotedPrefix(std::string_view text);

}  // namespace quelmo
