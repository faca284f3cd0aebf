#include "operators/operator_database_loader.h"

#include <mutex>
#include <optional>
#include <utility>

#include "operators/operator_database_reader.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"

namespace quelmo {

Result<OperatorDatabase> ReadOperatorDatabaseFile(FileSystem& files,
                                                  const std::filesystem::path& path) {
  auto bytes = ReadBoundedFile(files, path, kOperatorDatabaseMaxBytes, "database of operators");
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
  // A database once read stays for the whole run (callers keep pointers into
  // it). A failed read is not kept: the package may be installed, or the file
  // mended, while the program runs, and the next call reads again.
  static std::mutex mutex;
  static std::optional<OperatorDatabase> loaded;
  std::lock_guard lock(mutex);
  if (!loaded) {
    auto database = ReadOperatorDatabaseFile(SystemFileSystem(), OperatorDatabasePath());
    if (!database.ok()) return database.error();
    loaded.emplace(std::move(database.value()));
  }
  return &*loaded;
}

}  // namespace quelmo
