#include "operators/operator_database_loader.h"

#include <cstdlib>

namespace quelmo {

// Stand-in until the reader lands: the database is reported unavailable.
std::filesystem::path OperatorDatabasePath() {
  if (const char* set = std::getenv("QUELMO_OPERATOR_DATABASE"); set != nullptr && *set != '\0') {
    return set;
  }
  return "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
}

Result<OperatorDatabase> ReadOperatorDatabaseFile(const std::filesystem::path& path) {
  return Error{ErrorCode::kUnavailable,
               path.string() + ": this build cannot read the operator database."};
}

Result<const OperatorDatabase*> SystemOperatorDatabase() {
  static const Result<OperatorDatabase> database = ReadOperatorDatabaseFile(OperatorDatabasePath());
  if (!database.ok()) return database.error();
  return &database.value();
}

}  // namespace quelmo
