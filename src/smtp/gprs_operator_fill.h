#pragma once
// What the SMTP/GPRS form's Customer mode takes from a provider of the
// operator database: its GPRS access point. Shared by the finder window and
// the command-line tool; what does not fit is named
// (operators/operator_finding.h).

#include <string>
#include <vector>

#include "kind/field_table.h"
#include "operators/operator_database.h"
#include "operators/operator_finding.h"

namespace quelmo {

// Texts are UTF-8 as the database spells them; each one fits its field's
// byte limit in GBK. A value named in a finding is empty.
struct GprsOperatorValues {
  std::string apn;
  std::string account;
  std::string password;
  bool operator==(const GprsOperatorValues&) const = default;
};

struct GprsOperatorFill {
  GprsOperatorValues values;
  std::vector<OperatorFinding> findings;
};

// From the provider's first "internet" access point.
GprsOperatorFill FillGprsFromOperator(const OperatorProvider& provider);

// The value a field of the table (smtp/gprs_fields.h) takes.
const std::string& FilledValue(const GprsOperatorValues& values, OperatorValue value);
std::string& FilledValue(GprsOperatorValues& values, OperatorValue value);

}  // namespace quelmo
