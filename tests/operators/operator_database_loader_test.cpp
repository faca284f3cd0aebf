// Finding and reading the database file: what the user is told when it is
// missing, too large or not a file, and when it is read again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "operators/operator_database_loader.h"
#include "operators/operators_test_data.h"
#include "platform/file_system.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

void SetDatabaseVariable(const std::filesystem::path& path) {
#ifdef _WIN32
  _wputenv_s(L"QUELMO_OPERATOR_DATABASE", path.wstring().c_str());
#else
  setenv("QUELMO_OPERATOR_DATABASE", path.c_str(), 1);
#endif
}

TEST(OperatorDatabaseLoader, BadFilesGiveMessagesNamingThem) {
  TempFolder folder;
  const auto missing = folder.path() / "serviceproviders.xml";
  const auto huge = folder.path() / "huge.xml";
  {
    std::ofstream file(huge, std::ios::binary);
  }
  std::filesystem::resize_file(huge, 200u << 20);  // sparse: nothing is written
  const auto broken = folder.path() / "broken.xml";
  std::ofstream(broken, std::ios::binary) << "<serviceproviders>\n<country code=\"gb\">";

  const struct {
    const char* what;
    std::filesystem::path path;
    ErrorCode code;
    std::string message;
  } cases[] = {
      {"missing", missing, ErrorCode::kNotFound, OperatorDatabaseSource()},
      {"huge", huge, ErrorCode::kCorrupt, "not read"},
      {"a folder", folder.path(), ErrorCode::kInvalidArgument, "is a folder"},
      {"cut short", broken, ErrorCode::kCorrupt, "broken.xml: line 2: "},
  };
  for (const auto& each : cases) {
    const auto database = ReadOperatorDatabaseFile(SystemFileSystem(), each.path);
    ASSERT_FALSE(database.ok()) << each.what;
    EXPECT_EQ(database.error().code, each.code) << each.what;
    EXPECT_NE(database.message().find(PathToUtf8(each.path)), std::string::npos)
        << each.what << ": " << database.message();
    EXPECT_NE(database.message().find(each.message), std::string::npos)
        << each.what << ": " << database.message();
  }
}

TEST(OperatorDatabaseLoader, MissingFileNamesWhereItComesFrom) {
#ifdef _WIN32
  EXPECT_NE(OperatorDatabaseSource().find("quelmo.exe"), std::string::npos);
#else
  EXPECT_NE(OperatorDatabaseSource().find("mobile-broadband-provider-info"), std::string::npos);
#endif
}

// The only test that sets the variable. A failed read is tried again (the
// package may be installed while the program runs); a database once read is
// kept for the life of the program.
TEST(OperatorDatabaseLoader, SystemDatabaseIsReadAgainAfterAFailureThenKept) {
  TempFolder folder;
  const auto copy = folder.path() / "operators database.xml";
  SetDatabaseVariable(copy);
  EXPECT_EQ(OperatorDatabasePath(), copy);

  const auto missing = SystemOperatorDatabase();
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, ErrorCode::kNotFound);

  std::filesystem::copy_file(testing::OperatorTestDatabasePath(), copy);
  const auto first = SystemOperatorDatabase();
  ASSERT_TRUE(first.ok()) << first.message();
  EXPECT_EQ((*first)->countries.size(), 154u);

  std::filesystem::remove(copy);
  const auto again = SystemOperatorDatabase();
  ASSERT_TRUE(again.ok()) << again.message();
  EXPECT_EQ(*again, *first);
}

}  // namespace
}  // namespace quelmo
