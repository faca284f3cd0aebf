#include "app/file_preference_backend.h"

#ifndef _WIN32
#include <stdlib.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/system_preferences.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using namespace std::string_literals;

constexpr std::uint16_t kEnglishUs = 0x0409;

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class FilePreferenceBackendTest : public testing::Test {
 protected:
  std::filesystem::path Folder() const { return temp_.path() / "quelmo"; }
  std::filesystem::path File() const { return Folder() / "preferences"; }

  // A key file holding these lines, as another run left it.
  void Prepare(const std::string& text) {
    std::filesystem::create_directories(Folder());
    WriteText(File(), text);
  }

  TempFolder temp_;
  FilePreferenceBackend backend_{Folder(), SystemFileSystem()};
  PreferenceStore store_{backend_, kEnglishUs};
};

TEST_F(FilePreferenceBackendTest, MissingFileIsAMissingKeyThatLoadLanguageCreates) {
  EXPECT_EQ(backend_.Open(), nullptr);
  std::uint16_t code = 0;
  EXPECT_FALSE(store_.LoadLanguage(code));
  ASSERT_TRUE(std::filesystem::exists(File()));
  EXPECT_NE(backend_.Open(), nullptr);
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 2);
}

TEST_F(FilePreferenceBackendTest, ValuesKeepTheirNamesTypesAndBytesAcrossRuns) {
  ASSERT_TRUE(backend_.Create());
  ASSERT_TRUE(store_.StoreLanguage(3));
  ASSERT_TRUE(store_.StoreModel(1));
  ASSERT_TRUE(store_.StoreTvMode(0x0102));
  ASSERT_TRUE(store_.StoreCompany());

  const std::string text = ReadText(File());
  EXPECT_EQ(text.rfind("key=Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quelmo.exe\n", 0), 0u);
  EXPECT_NE(text.find("\nlanguage REG_DWORD 4 03000000\n"), std::string::npos);
  EXPECT_NE(text.find("\nTvMode REG_DWORD 4 02010000\n"), std::string::npos);
  EXPECT_NE(text.find("\nCompany REG_SZ 260 5175656c6d6f20"), std::string::npos);

  FilePreferenceBackend next_run(Folder(), SystemFileSystem());
  PreferenceStore store(next_run, kEnglishUs);
  std::uint16_t code = 0, model = 0, tv_mode = 0;
  EXPECT_TRUE(store.LoadLanguage(code));
  EXPECT_TRUE(store.LoadModel(model));
  EXPECT_TRUE(store.LoadTvMode(tv_mode));
  EXPECT_TRUE(store.HasCompany());
  EXPECT_EQ(code, 3);
  EXPECT_EQ(model, 1);
  EXPECT_EQ(tv_mode, 0x0102);
}

TEST_F(FilePreferenceBackendTest, CreatingAnExistingKeyChangesNothing) {
  Prepare("language REG_DWORD 4 05000000\n");
  EXPECT_TRUE(backend_.Create());
  std::uint16_t code = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 5);
}

TEST_F(FilePreferenceBackendTest, WritesLeaveOnlyTheFileBehind) {
  ASSERT_TRUE(backend_.Create());
  ASSERT_TRUE(store_.StoreLanguage(2));
  ASSERT_TRUE(store_.StoreModel(1));
  EXPECT_EQ(TempFolder::Entries(Folder()), (std::set<std::string>{"preferences"}));
}

TEST_F(FilePreferenceBackendTest, AFailureAtAnyStepOfAStoreLeavesTheOldOrTheNewFileWhole) {
  Prepare("language REG_DWORD 4 03000000\nmodel REG_DWORD 4 01000000\n");
  const std::string before = ReadText(File());

  FailingFileSystem counting(SystemFileSystem());
  FilePreferenceBackend counted(Folder(), counting);
  ASSERT_TRUE(PreferenceStore(counted, kEnglishUs).StoreModel(7));
  const std::string after = ReadText(File());
  const std::size_t steps = counting.step_count();
  ASSERT_GT(steps, 3u);

  for (std::size_t step = 1; step <= steps; ++step) {
    for (const Fault fault : {Fault::kFail, Fault::kCorrupt}) {
      // A bit flipped while the key is read is damage no text file can
      // notice; the damaged-lines test covers what it leads to.
      const StepRecord& record = counting.steps()[step - 1];
      if (fault == Fault::kCorrupt && record.step == FileStep::kRead && record.path == File()) continue;
      WriteText(File(), before);
      FailingFileSystem failing(SystemFileSystem());
      failing.FaultAt(step, fault);
      FilePreferenceBackend backend(Folder(), failing);
      const bool stored = PreferenceStore(backend, kEnglishUs).StoreModel(7);

      const std::string left = ReadText(File());
      EXPECT_TRUE(left == before || left == after) << failing.Describe(step);
      if (stored) {
        EXPECT_EQ(left, after) << failing.Describe(step);
      }
      EXPECT_EQ(TempFolder::Entries(Folder()), (std::set<std::string>{"preferences"}))
          << failing.Describe(step);
    }
  }
}

TEST_F(FilePreferenceBackendTest, DamagedLinesReadAsMissingValuesAndTheRestIsKept) {
  // A std::string literal, so that the zero byte and every line after it
  // reach the file.
  Prepare(
      "key=Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quelmo.exe\r\n"
      "language REG_DWORD 4 0300\n"             // cut short
      "TvMode REG_BINARY 4 01000000\n"          // not a type the key holds
      "\x01\xff garbage \x00 more\n"
      "model REG_DWORD 4 02000000\r\n"          // written on another system
      "Company REG_SZ 2 4x00\n"                 // not hex
      "Company REG_SZ 260 5175656c6d6f00\n"s);  // cut short
  std::uint16_t code = 0, model = 0, tv_mode = 9;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 2) << "the system default, as for a key without language";
  EXPECT_TRUE(store_.LoadModel(model));
  EXPECT_EQ(model, 2);
  EXPECT_FALSE(store_.LoadTvMode(tv_mode));
  EXPECT_EQ(tv_mode, 0);
  EXPECT_FALSE(store_.HasCompany());

  ASSERT_TRUE(store_.StoreTvMode(0));
  EXPECT_TRUE(store_.LoadModel(model));
  EXPECT_EQ(model, 2) << "storing another value keeps what could be read";
}

TEST_F(FilePreferenceBackendTest, ValueNamesIgnoreCaseAsRegistryNamesDo) {
  Prepare("LANGUAGE REG_DWORD 4 05000000\n");
  std::uint16_t code = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 5);
  ASSERT_TRUE(store_.StoreLanguage(3));
  EXPECT_NE(ReadText(File()).find("LANGUAGE REG_DWORD 4 03000000"), std::string::npos);
  EXPECT_EQ(ReadText(File()).find("language"), std::string::npos);
}

TEST_F(FilePreferenceBackendTest, UnreadableFileCannotBeOpenedAndIsNotOverwritten) {
  Prepare("language REG_DWORD 4 03000000\n");
  FailingFileSystem failing(SystemFileSystem());
  failing.FaultAt(2);  // the read that follows the folder check
  FilePreferenceBackend backend(Folder(), failing);
  ASSERT_EQ(backend.Open(), nullptr);
  ASSERT_EQ(failing.steps()[1].step, FileStep::kRead);

  EXPECT_TRUE(backend.Create());
  EXPECT_EQ(ReadText(File()), "language REG_DWORD 4 03000000\n");
}

TEST_F(FilePreferenceBackendTest, UnwritableFolderBehavesAsAnUnwritableKey) {
  Prepare("language REG_DWORD 4 03000000\n");
  FailingFileSystem failing(SystemFileSystem());
  failing.FaultAt(1);
  FilePreferenceBackend backend(Folder(), failing);
  EXPECT_EQ(backend.Open(), nullptr);
  EXPECT_EQ(failing.steps()[0].step, FileStep::kCheckFolder);
}

#ifndef _WIN32
TEST_F(FilePreferenceBackendTest, ReadOnlyFolderOnDiskFailsEveryOperation) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  Prepare("language REG_DWORD 4 03000000\n");
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::uint16_t code = 0;
  EXPECT_FALSE(store_.LoadLanguage(code));
  EXPECT_FALSE(store_.StoreLanguage(2));
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(ReadText(File()), "language REG_DWORD 4 03000000\n");
}
#endif

// POSIX paths: Windows keeps the preferences in the registry.
#ifndef _WIN32
TEST(PreferenceFolder, AbsoluteXdgConfigHomeWinsOverTheHomeFolder) {
  EXPECT_EQ(PreferenceFolderFrom("/cfg", "/home/u"), std::filesystem::path("/cfg/quelmo"));
  EXPECT_EQ(PreferenceFolderFrom("", "/home/u"), std::filesystem::path("/home/u/.config/quelmo"));
  EXPECT_EQ(PreferenceFolderFrom("relative/cfg", "/home/u"),
            std::filesystem::path("/home/u/.config/quelmo"));
}
#endif

#ifndef _WIN32
TEST(SystemPreferenceBackend, FirstRunWritesTheKeyUnderXdgConfigHome) {
  TempFolder config;
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  {
    const std::unique_ptr<PreferenceBackend> backend = SystemPreferenceBackend();
    PreferenceStore store(*backend, 0x1407);
    EXPECT_EQ(StartUp(store, 0x1407).languageIndex, 3);
  }
  if (old != nullptr) {
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
  const std::string text = ReadText(config.path() / "quelmo" / "preferences");
  EXPECT_NE(text.find("\nlanguage REG_DWORD 4 03000000\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nmodel REG_DWORD 4 01000000\n"), std::string::npos);
  EXPECT_NE(text.find("\nTvMode REG_DWORD 4 00000000\n"), std::string::npos);
  EXPECT_NE(text.find("\nCompany REG_SZ 260 "), std::string::npos);
}
#endif

}  // namespace
}  // namespace quelmo
