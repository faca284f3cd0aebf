#pragma once
// What the MMS form's Customer mode takes from a provider of the operator
// database: its MMS parameters. Shared by the finder window and the
// command-line tool; what does not fit is named (operators/operator_finding.h).

#include <string>
#include <vector>

#include "kind/field_table.h"
#include "operators/operator_database.h"
#include "operators/operator_finding.h"

namespace quelmo {

// Texts are UTF-8 as the database spells them; each one fits its field's
// byte limit in GBK. A value named in a finding is empty.
struct MmsOperatorValues {
  std::string url;
  std::string apn;
  std::string gateway;
  std::string port;
  std::string account;
  std::string password;
  bool operator==(const MmsOperatorValues&) const = default;
};

struct MmsOperatorFill {
  MmsOperatorValues values;
  std::vector<OperatorFinding> findings;
};

// From the provider's first "mms" access point: the URL is its MMS centre;
// the gateway and port come from its MMS proxy, "host:port", or the host
// alone for port 80.
MmsOperatorFill FillMmsFromOperator(const OperatorProvider& provider);

// The value a field of the table (mms/mms_fields.h) takes.
const std::string& FilledValue(const MmsOperatorValues& values, OperatorValue value);

}  // namespace quelmo
