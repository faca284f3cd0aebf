#include "operators/operator_database_loader.h"

#include "operators/operator_database_reader.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"

namespace quelmo {

Result<OperatorDatabase> ReadOperatorDatabaseFile(const std::filesystem::path& path) {
  auto bytes = ReadBoundedFile(path, kOperatorDatabaseMaxBytes, "database of operators");
  if (!bytes.ok()) {
    Error error = bytes.error();
    if (error.code == ErrorCode::kNotFound) error.message += "; " + OperatorDatabaseSource();
    return error;
  }
  auto database = ParseOperatorDatabase(bytes.value());
  if (!database.ok()) {
    return Error{database.error().code, PathToUtf8(path) + ": " + database.message()};
  }
  return database;
}

Result<const OperatorDatabase*> SystemOperatorDatabase() {
  // A function-local static is built once, even when threads race to it.
  static const Result<OperatorDatabase> loaded = ReadOperatorDatabaseFile(OperatorDatabasePath());
  if (!loaded.ok()) return loaded.error();
  return &loaded.value();
}

}  // namespace quelmo
