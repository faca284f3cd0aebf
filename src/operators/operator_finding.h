#pragma once
// What a form's Customer mode cannot take from a provider of the operator
// database, shared by every kind's fill (its own folder's *_operator_fill).
// A value the setting file cannot hold as the database gives it is never cut
// or changed: it is left out and named in a finding, and the user types it
// instead.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "operators/operator_database.h"

namespace quelmo {

// A value the file cannot take, by the settings key it would go to (the
// APN's, say).
struct OperatorFinding {
  std::string key;
  std::string message;  // English, naming the key: "gateway: ..."
  // The same as a catalogue text with {field} for the key, and the values of
  // its other placeholders, for the windows' language.
  std::string_view text;
  std::vector<std::pair<std::string, std::string>> values;
};

// Takes a provider's values for a form's Customer mode, each into a field
// of `byte_limit` GBK bytes, naming every value it cannot take.
class OperatorFillChecker {
 public:
  explicit OperatorFillChecker(std::vector<OperatorFinding>& findings) : findings_(findings) {}

  // `value` when the file can hold it, else empty with a finding.
  std::string Take(std::string_view key, const std::string& value, int byte_limit);

  // `text` names the value's key as {field}.
  void Name(std::string_view key, std::string_view text,
            std::vector<std::pair<std::string, std::string>> values);

 private:
  std::vector<OperatorFinding>& findings_;
};

// A finding in a language, its field named `field_name`.
std::string FindingText(const OperatorFinding& finding, int language, std::string_view field_name);

// The findings one per line in English, each naming its key, for the
// command-line tool.
std::string FindingLines(const std::vector<OperatorFinding>& findings);

// The findings one per line, for a message: in the language of the windows,
// each naming its field as `field_name(key)` does (the form's own label).
std::string FindingLines(const std::vector<OperatorFinding>& findings, int language,
                         const std::function<std::string(std::string_view key)>& field_name);

}  // namespace quelmo
