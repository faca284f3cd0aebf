#pragma once
// quelmo-cli operators [--country CC] [--search TEXT] [--json]
//
// Lists the entries of the public operator database (serviceproviders.xml):
// per provider its country, name, internet access point and MMS centre and
// gateway, each the first access point of that use in the file's order, and
// its network ids with their 2G status from the table built into the program
// (network_2g.h).

#include <optional>
#include <ostream>
#include <string>

#include "base/result.h"
#include "operators/operator_database.h"

namespace quelmo {

struct OperatorsOptions {
  std::optional<std::string> country;  // the database's two-letter code, any letter case
  std::string search;                  // empty: every provider
  bool json = false;
};

// `database` is the loaded database or why it could not be loaded. Returns
// the exit status (exit_codes.h).
int RunOperators(const OperatorsOptions& options, const Result<const OperatorDatabase*>& database,
                 std::ostream& out, std::ostream& err);

}  // namespace quelmo
