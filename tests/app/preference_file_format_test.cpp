#include "app/preference_file_format.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quelmo {
namespace {

using namespace std::string_literals;

TEST(PreferenceNumber, DecimalUpTo32BitsCountsAndAnythingElseIsMissing) {
  const struct {
    std::string text;
    std::optional<std::uint32_t> number;
  } cases[] = {
      {"3", 3u},           {" 11 ", 11u},         {"007", 7u},
      {"65539", 65539u},   {"4294967295", 4294967295u},
      {"4294967296", {}},  {"-1", {}},            {"+3", {}},
      {"", {}},            {"3x", {}},            {"0x10", {}},
      {"three", {}},       {"3 4", {}},           {"1e3", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParsePreferenceNumber(c.text), c.number) << c.text;
}

TEST(PreferenceFile, AHandEditedFileReadsItsValuesAndKeepsEverythingElse) {
  const std::string text =
      "# my settings\n"
      "[Quelmo]\n"
      "  language =  3  \r\n"
      "; switched off for now\n"
      "nonsense without equals\n"
      "Model=2\n"
      "colour=blue\n"
      "\n"
      "model=4\n";
  PreferenceFile file = PreferenceFile::Parse(text);
  EXPECT_FALSE(file.converted());
  EXPECT_EQ(file.Value("language"), "3");
  EXPECT_EQ(file.Value("MODEL"), "4") << "the last line of a name counts";
  EXPECT_EQ(file.Value("colour"), "blue");
  EXPECT_EQ(file.Value("TvMode"), std::nullopt);
  EXPECT_EQ(file.Value("nonsense without equals"), std::nullopt);

  ASSERT_TRUE(file.Set("TvMode", "1"));
  ASSERT_TRUE(file.Set("LANGUAGE", "5"));
  EXPECT_EQ(file.Text(),
            "# my settings\n"
            "[Quelmo]\n"
            "language=5\n"
            "; switched off for now\n"
            "nonsense without equals\n"
            "Model=2\n"
            "colour=blue\n"
            "\n"
            "model=4\n"
            "tvMode=1\n");
}

TEST(PreferenceFile, RefusesWhatNoLineCanHold) {
  PreferenceFile file = PreferenceFile::Fresh();
  for (const std::string& name : {""s, "a=b"s, " a"s, "a\nb"s, "#a"s, "[a"s}) {
    EXPECT_FALSE(file.Set(name, "1")) << name;
  }
  for (const std::string& value : {"a\nb"s, "a\rb"s, "a\0b"s, " a"s}) {
    EXPECT_FALSE(file.Set("company", value));
  }
  EXPECT_EQ(file.Text(), PreferenceFile::Fresh().Text());
}

// The form earlier versions wrote, line by line, and what each becomes.
TEST(PreferenceFile, TheOldFormIsConvertedValueByValue) {
  const struct {
    std::string oldLine;
    std::string newLine;  // empty: the value is dropped, as no load took it
  } cases[] = {
      {"language REG_DWORD 4 02000000", "language=2"},
      {"TvMode REG_DWORD 4 02010000", "tvMode=258"},
      {"model REG_DWORD 4 0300ffff", "model=4294901763"},
      {"model REG_DWORD 2 0500", "model=5"},
      {"model REG_DWORD 0", "model=0"},
      {"model REG_DWORD 8 0100000000000000", ""},
      {"Company REG_SZ 6 41636d650000", "company=Acme"},
      {"language REG_DWORD 4 0300", ""},         // cut short
      {"language REG_BINARY 4 03000000", ""},    // a type the key never held
      {"Company REG_SZ 2 4x00", ""},             // not hex
  };
  const std::string key_line = "key=Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quelmo.exe";
  for (const auto& c : cases) {
    const PreferenceFile file = PreferenceFile::Parse(key_line + "\r\n" + c.oldLine + "\n");
    EXPECT_TRUE(file.converted()) << c.oldLine;
    const std::string expected = PreferenceFile::Fresh().Text() + (c.newLine.empty() ? "" : c.newLine + "\n");
    EXPECT_EQ(file.Text(), expected) << c.oldLine;
  }
  // Without the key line too, as a hand-made old file may be.
  EXPECT_EQ(PreferenceFile::Parse("language REG_DWORD 4 05000000\n").Value("language"), "5");
}

// Found by fuzzing: a text value that reads like an old line must not make
// the file look old when it is read again.
TEST(PreferenceFile, NewLinesThatLookLikeOldOnesStayNew) {
  for (const char* text : {"company=x REG_SZ 4 41636d65\n", "# note REG_SZ 0\n",
                           "; x REG_DWORD 4 01000000\n"}) {
    const PreferenceFile file = PreferenceFile::Parse(text);
    EXPECT_FALSE(file.converted()) << text;
    EXPECT_EQ(file.Text(), text);
  }
}

}  // namespace
}  // namespace quelmo
