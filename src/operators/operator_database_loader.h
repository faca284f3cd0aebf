#pragma once
// Where the operator database is found, and reading it on first use.
// Never called on the start-up path: the finder window and the command-line
// tool ask for it when they need it.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"
#include "operators/operator_database.h"
#include "platform/file_system.h"

namespace quelmo {

// The file this system's database is read from: QUELMO_OPERATOR_DATABASE
// when set; on Linux the distribution's copy
// (/usr/share/mobile-broadband-provider-info/serviceproviders.xml); on
// Windows serviceproviders.xml beside the program.
std::filesystem::path OperatorDatabasePath();

// Where the file comes from when it is missing, for messages: on Linux the
// package that provides it.
std::string OperatorDatabaseSource();

// The system's translations of the country names (iso-codes' gettext domain
// iso_3166-1) for a locale ("de", "zh_CN"): on Linux under /usr/share/locale,
// on Windows under locale/ beside the program, where the zip puts them.
std::filesystem::path CountryNameCataloguePath(std::string_view locale);

// Reads and checks one database file through `files`, bounded in size, depth
// and count; a missing, truncated, malformed or hostile file gives a message
// naming the file and what is wrong.
Result<OperatorDatabase> ReadOperatorDatabaseFile(FileSystem& files,
                                                  const std::filesystem::path& path);

// The database at OperatorDatabasePath(), read on the first call that
// succeeds; later calls give the same database without reading again. After
// a failed read the next call tries again.
Result<const OperatorDatabase*> SystemOperatorDatabase();

}  // namespace quelmo
