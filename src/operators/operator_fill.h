#pragma once
// What a form's Customer mode takes from a provider of the operator
// database: the GPRS access point, or the MMS parameters. Shared by the
// finder window and the command-line tool. A value the setting file cannot
// hold as the database gives it is never cut or changed: it is left out and
// named in a finding, and the user types it instead.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "operators/operator_database.h"

namespace quelmo {

// A value the file cannot take, by the settings key it would go to ("apn").
struct OperatorFinding {
  std::string key;
  std::string message;  // English, naming the key: "gateway: ..."
  // The same as a catalogue text with {field} for the key, and the values of
  // its other placeholders, for the windows' language.
  std::string_view text;
  std::vector<std::pair<std::string, std::string>> values;
};

// Texts are UTF-8 as the database spells them; each one fits its field's
// byte limit in GBK. A value named in a finding is empty.
struct GprsOperatorValues {
  std::string apn;
  std::string account;
  std::string password;
  bool operator==(const GprsOperatorValues&) const = default;
};

struct MmsOperatorValues {
  std::string url;
  std::string apn;
  std::string gateway;
  std::string port;
  std::string account;
  std::string password;
  bool operator==(const MmsOperatorValues&) const = default;
};

struct GprsOperatorFill {
  GprsOperatorValues values;
  std::vector<OperatorFinding> findings;
};

struct MmsOperatorFill {
  MmsOperatorValues values;
  std::vector<OperatorFinding> findings;
};

// From the provider's first "internet" access point.
GprsOperatorFill FillGprsFromOperator(const OperatorProvider& provider);

// From the provider's first "mms" access point: the URL is its MMS centre;
// the gateway and port come from its MMS proxy, "host:port", or the host
// alone for port 80.
MmsOperatorFill FillMmsFromOperator(const OperatorProvider& provider);

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
