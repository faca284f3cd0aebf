#include "app/file_preference_backend.h"

#ifndef _WIN32
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

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

TEST_F(FilePreferenceBackendTest, ValuesAreReadableLinesThatTheNextRunLoads) {
  ASSERT_TRUE(backend_.Create());
  ASSERT_TRUE(store_.StoreLanguage(3));
  ASSERT_TRUE(store_.StoreModel(1));
  ASSERT_TRUE(store_.StoreTvMode(0x0102));
  ASSERT_TRUE(store_.StoreCompany());

  const std::string text = ReadText(File());
  EXPECT_EQ(text.rfind("# Quelmo preferences", 0), 0u) << text;
  EXPECT_NE(text.find("\nlanguage=3\nmodel=1\ntvMode=258\n"
                      "company=Quelmo Outdoor Electronics Co., Ltd.\n"),
            std::string::npos)
      << text;

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

TEST_F(FilePreferenceBackendTest, AHandEditedLanguageIsTheNextStartsLanguage) {
  ASSERT_TRUE(backend_.Create());
  ASSERT_TRUE(store_.StoreLanguage(2));
  std::string text = ReadText(File());
  text.replace(text.find("language=2"), 10, "language = 3   ");
  WriteText(File(), text + "; a note of the user's\n");

  FilePreferenceBackend next_run(Folder(), SystemFileSystem());
  PreferenceStore store(next_run, kEnglishUs);
  EXPECT_EQ(StartUp(store, kEnglishUs).languageIndex, 3);
  EXPECT_NE(ReadText(File()).find("; a note of the user's\n"), std::string::npos);
}

TEST_F(FilePreferenceBackendTest, CreatingAnExistingKeyChangesNothing) {
  Prepare("language=5\n");
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
  Prepare("language=3\nmodel=1\n");
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
      // A write is checked only where it is read back.
      if (fault == Fault::kCorrupt && record.step == FileStep::kWrite &&
          !ReadAgainLater(counting.steps(), step)) {
        continue;
      }
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

TEST_F(FilePreferenceBackendTest, UnreadableFileCannotBeOpenedAndIsNotOverwritten) {
  Prepare("language=3\n");
  FailingFileSystem failing(SystemFileSystem());
  failing.FaultAt(3);  // the read that follows the folder check and the lock
  FilePreferenceBackend backend(Folder(), failing);
  ASSERT_EQ(backend.Open(), nullptr);
  ASSERT_EQ(failing.steps()[2].step, FileStep::kRead);

  EXPECT_TRUE(backend.Create());
  EXPECT_EQ(ReadText(File()), "language=3\n");
}

TEST_F(FilePreferenceBackendTest, UnwritableFolderBehavesAsAnUnwritableKey) {
  Prepare("language=3\n");
  FailingFileSystem failing(SystemFileSystem());
  failing.FaultAt(1);
  FilePreferenceBackend backend(Folder(), failing);
  EXPECT_EQ(backend.Open(), nullptr);
  EXPECT_EQ(failing.steps()[0].step, FileStep::kCheckFolder);
}

#ifndef _WIN32
TEST_F(FilePreferenceBackendTest, ReadOnlyFolderOnDiskFailsEveryOperation) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  Prepare("language=3\n");
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  std::uint16_t code = 0;
  EXPECT_FALSE(store_.LoadLanguage(code));
  EXPECT_FALSE(store_.StoreLanguage(2));
  std::filesystem::permissions(Folder(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(ReadText(File()), "language=3\n");
}
#endif

TEST_F(FilePreferenceBackendTest, AFileInTheOldFormIsConvertedWhenFirstOpened) {
  Prepare("key=Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quelmo.exe\n"
          "language REG_DWORD 4 03000100\n"
          "model REG_DWORD 2 0200\n"
          "TvMode REG_DWORD 4 01000000\n"
          "Company REG_SZ 8 41636d6500000000\n");
  std::uint16_t code = 0, model = 0, tv_mode = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 3);
  EXPECT_TRUE(store_.LoadModel(model));
  EXPECT_EQ(model, 2);
  EXPECT_TRUE(store_.LoadTvMode(tv_mode));
  EXPECT_EQ(tv_mode, 1);
  EXPECT_TRUE(store_.HasCompany());

  const std::string text = ReadText(File());
  EXPECT_EQ(text.rfind("# Quelmo preferences", 0), 0u) << text;
  EXPECT_NE(text.find("\nlanguage=65539\nmodel=2\ntvMode=1\ncompany=Acme\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("REG_"), std::string::npos) << text;
}

#ifndef _WIN32
// Start-up must neither wait on the file nor read gigabytes: such a file
// counts as an unreadable key, so the defaults are used and it is left alone.
TEST_F(FilePreferenceBackendTest, APipeADeviceOrAHugeFileGivesTheDefaultsPromptly) {
  struct Case {
    std::string name;
    std::function<void(const std::filesystem::path&)> make;
  };
  const Case cases[] = {
      {"pipe", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {"link to /dev/zero",
       [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); }},
      {"sparse 2 GB file",
       [](const std::filesystem::path& p) {
         WriteText(p, "language=3\n");
         std::filesystem::resize_file(p, std::uintmax_t{2} << 30);
       }},
      {"folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Folder());
    std::filesystem::create_directories(Folder());
    c.make(File());
    const auto type_before = std::filesystem::symlink_status(File()).type();
    std::uint16_t code = 0, model = 9;
    EXPECT_FALSE(store_.LoadLanguage(code));
    EXPECT_FALSE(store_.LoadModel(model));
    EXPECT_FALSE(store_.StoreLanguage(2));
    EXPECT_EQ(TempFolder::Entries(Folder()), (std::set<std::string>{"preferences"}));
    EXPECT_EQ(std::filesystem::symlink_status(File()).type(), type_before);
  }
}

// A dotfile manager links the file to its own copy: that copy is the one
// updated, in its own folder, and the link stays.
TEST_F(FilePreferenceBackendTest, ALinkIsFollowedAndItsTargetReplacedInItsOwnFolder) {
  TempFolder dotfiles;
  const std::filesystem::path managed = dotfiles.path() / "quelmo-preferences";
  WriteText(managed, "language=5\n");
  std::filesystem::create_directories(Folder());
  std::filesystem::create_symlink(std::filesystem::relative(managed, Folder()), File());

  std::uint16_t code = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 5);
  ASSERT_TRUE(store_.StoreModel(4));

  EXPECT_TRUE(std::filesystem::is_symlink(File()));
  EXPECT_EQ(ReadText(managed), "language=5\nmodel=4\n");
  EXPECT_EQ(TempFolder::Entries(Folder()), (std::set<std::string>{"preferences"}));
  EXPECT_EQ(TempFolder::Entries(dotfiles.path()), (std::set<std::string>{"quelmo-preferences"}));
}
#endif

// Several copies of the program starting on an empty folder at once: every
// value each one stores is kept.
TEST_F(FilePreferenceBackendTest, ConcurrentStartUpsKeepEveryValue) {
  const std::string names[] = {"language", "model", "TvMode", "extra"};
  for (int round = 0; round < 10; ++round) {
    std::filesystem::remove_all(Folder());
    std::vector<std::thread> start_ups;
    for (const std::string& name : names) {
      start_ups.emplace_back([this, name] {
        FilePreferenceBackend backend(Folder(), SystemFileSystem());
        std::uint16_t code = 0;
        (void)PreferenceStore(backend, kEnglishUs).LoadLanguage(code);  // creates the key
        const std::unique_ptr<PreferenceKey> key = backend.Open();
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->SetDword(name, 7));
      });
    }
    for (std::thread& start_up : start_ups) start_up.join();
    const std::unique_ptr<PreferenceKey> key = backend_.Open();
    ASSERT_NE(key, nullptr);
    for (const std::string& name : names) EXPECT_EQ(key->QueryDword(name), 7u) << name;
  }
}

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
  EXPECT_NE(text.find("\nlanguage=3\nmodel=1\ntvMode=0\ncompany="), std::string::npos) << text;
}
#endif

}  // namespace
}  // namespace quelmo
