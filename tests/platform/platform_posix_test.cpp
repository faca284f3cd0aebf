#include "platform/platform.h"
#include "platform/posix/sticky_folder.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace quelmo {
namespace {

// Folder owner 100, file owner 200; the user is who asks.
TEST(StickyFolderKeepsOut, OnlyOwnersAndRootReplaceInASharedFolder) {
  struct Case {
    mode_t folderMode;
    uid_t user;
    bool keptOut;
  };
  const Case cases[] = {
      {01777, 300, true},   // someone else's file in a sticky folder
      {01777, 200, false},  // the file's owner
      {01777, 100, false},  // the folder's owner
      {01777, 0, false},    // root
      {00777, 300, false},  // no sticky bit: write access to the folder is enough
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StickyFolderKeepsOut({c.folderMode, 100}, 200, c.user), c.keptOut)
        << std::oct << c.folderMode << std::dec << " user " << c.user;
  }
}

TEST(LanguageIdFromLocale, ChineseAndGermanTerritoriesAreTold) {
  EXPECT_EQ(LanguageIdFromLocale("zh_CN.UTF-8"), 0x0804);
  EXPECT_EQ(LanguageIdFromLocale("zh_TW.UTF-8"), 0x0404);
  EXPECT_EQ(LanguageIdFromLocale("zh_HK"), 0x0C04);
  EXPECT_EQ(LanguageIdFromLocale("zh_SG.GB2312"), 0x1004);
  EXPECT_EQ(LanguageIdFromLocale("de_LI"), 0x1407);
  EXPECT_EQ(LanguageIdFromLocale("de_LI.UTF-8"), 0x1407);
  EXPECT_EQ(LanguageIdFromLocale("de_DE@euro"), 0x0407);
  EXPECT_EQ(LanguageIdFromLocale("de"), 0x0407);
  EXPECT_EQ(LanguageIdFromLocale("de_BE"), 0x0407) << "no identifier of its own: the main one";
}

TEST(LanguageIdFromLocale, TheProgramsOtherLanguages) {
  EXPECT_EQ(LanguageIdFromLocale("en_US.UTF-8"), 0x0409);
  EXPECT_EQ(LanguageIdFromLocale("en_GB"), 0x0809);
  EXPECT_EQ(LanguageIdFromLocale("fi_FI.UTF-8"), 0x040B);
  EXPECT_EQ(LanguageIdFromLocale("it_IT"), 0x0410);
  EXPECT_EQ(LanguageIdFromLocale("fr_CA"), 0x0C0C);
  EXPECT_EQ(LanguageIdFromLocale("hu_HU"), 0x040E);
  EXPECT_EQ(LanguageIdFromLocale("sl_SI"), 0x0424);
  EXPECT_EQ(LanguageIdFromLocale("cs_CZ.UTF-8"), 0x0405);
  EXPECT_EQ(LanguageIdFromLocale("ja_JP.eucJP"), 0x0411);
  EXPECT_EQ(LanguageIdFromLocale("lt_LT"), 0x0427);
}

TEST(LanguageIdFromLocale, NoLocaleAndUnknownLanguagesAreEnglish) {
  for (const char* locale : {"", "C", "POSIX", "C.UTF-8", "xx_YY", "es_ES.UTF-8", "_", "."}) {
    EXPECT_EQ(LanguageIdFromLocale(locale), 0x0409) << locale;
  }
}

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (old_.has_value()) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SystemDefaultLanguageId, FirstNonEmptyOfLcAllLcMessagesAndLang) {
  {
    ScopedVariable all("LC_ALL", "");
    ScopedVariable messages("LC_MESSAGES", "de_LI.UTF-8");
    ScopedVariable lang("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(SystemDefaultLanguageId(), 0x1407);
  }
  {
    ScopedVariable all("LC_ALL", "zh_CN.UTF-8");
    ScopedVariable messages("LC_MESSAGES", "de_LI.UTF-8");
    EXPECT_EQ(SystemDefaultLanguageId(), 0x0804);
  }
  {
    ScopedVariable all("LC_ALL", nullptr);
    ScopedVariable messages("LC_MESSAGES", "");
    ScopedVariable lang("LANG", "de_LI.UTF-8");
    EXPECT_EQ(SystemDefaultLanguageId(), 0x1407) << "LANG alone decides";
  }
  {
    ScopedVariable all("LC_ALL", nullptr);
    ScopedVariable messages("LC_MESSAGES", nullptr);
    ScopedVariable lang("LANG", nullptr);
    EXPECT_EQ(SystemDefaultLanguageId(), 0x0409);
  }
}

TEST(DefaultDestinationFolder, HomeFirstThenThePasswordDatabase) {
  {
    ScopedVariable home("HOME", "/somewhere/else");
    EXPECT_EQ(DefaultDestinationFolder(), "/somewhere/else");
  }
  ScopedVariable home("HOME", nullptr);
  EXPECT_FALSE(DefaultDestinationFolder().empty());
}

}  // namespace
}  // namespace quelmo

namespace quelmo {
namespace {

TEST(RegionFromLocale, TheTerritoryInLowerCaseOrNone) {
  const struct {
    const char* locale;
    const char* region;
  } kCases[] = {
      {"en_GB.UTF-8", "gb"}, {"de_DE@euro", "de"}, {"zh_CN", "cn"}, {"pt-br", "br"},
      {"en_us.utf8", "us"},  {"de", ""},           {"C", ""},       {"POSIX", ""},
      {"", ""},              {"C.UTF-8", ""},      {"es_419", ""},  {"en_GBR", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(RegionFromLocale(c.locale), c.region) << c.locale;
}

}  // namespace
}  // namespace quelmo
