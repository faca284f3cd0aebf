#include "text/translate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "text/languages.h"

namespace quelmo {
namespace {

// The table the launcher lists: the camera's eleven languages by their own
// names, English without a catalogue.
TEST(LanguagesTest, TheElevenLanguagesByTheirOwnNames) {
  const struct {
    int code;
    const char* name;
    const char* catalogue;
  } expected[] = {
      {1, "中文", "zh_CN"},       {2, "English", ""},   {3, "Deutsch", "de"},
      {4, "Suomi", "fi"},         {5, "Italiano", "it"}, {6, "Français", "fr"},
      {7, "Magyar", "hu"},        {8, "Slovenščina", "sl"}, {9, "Čeština", "cs"},
      {10, "日本語", "ja"},       {11, "Lietuvių", "lt"},
  };
  ASSERT_EQ(LanguageRows().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const LanguageRow& row = LanguageRows()[i];
    EXPECT_EQ(row.code, expected[i].code);
    EXPECT_EQ(row.cameraByte, expected[i].code);  // the camera knows the same numbers
    EXPECT_EQ(row.nativeName, expected[i].name);
    EXPECT_EQ(row.catalogue, expected[i].catalogue);
    EXPECT_EQ(FindLanguage(row.code), &row);
  }
  for (int code : {0, -1, 12, 1033}) EXPECT_EQ(FindLanguage(code), nullptr) << code;
}

// Every catalogue holds every text of the template, sorted for the binary
// search, and keeps the English text's placeholders.
TEST(LanguagesTest, EveryCatalogueIsCompleteSortedAndKeepsPlaceholders) {
  const auto placeholders = [](std::string_view text) {
    std::multiset<std::string> names;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
      const std::size_t close = text.find('}', open);
      if (close != std::string_view::npos) names.emplace(text.substr(open, close - open + 1));
    }
    return names;
  };
  for (const LanguageRow& row : LanguageRows()) {
    if (row.catalogue.empty()) continue;
    SCOPED_TRACE(row.catalogue);
    EXPECT_EQ(row.texts.size(), TemplateTextCount());
    EXPECT_TRUE(std::is_sorted(row.texts.begin(), row.texts.end(),
                               [](const CatalogueEntry& a, const CatalogueEntry& b) {
                                 return std::tie(a.context, a.english) <
                                        std::tie(b.context, b.english);
                               }));
    for (const CatalogueEntry& entry : row.texts) {
      EXPECT_FALSE(entry.translation.empty()) << entry.english;
      EXPECT_EQ(placeholders(entry.translation), placeholders(entry.english)) << entry.english;
    }
  }
}

TEST(TranslateTest, LooksUpByContextAndEnglishText) {
  const struct {
    int language;
    std::string_view context;
    std::string_view english;
    std::string_view shown;
  } cases[] = {
      {1, "", "Save", "保存设置"},
      {3, "", "Save", "Speichern"},
      {1, "switch", "Off", "关"},  // the same English, two Chinese words
      {1, "", "Off", "关闭"},
      {1, "launcher", "MMS Setting", "彩信设置"},
      {2, "", "Save", "Save"},  // English has no catalogue: the key is the text
      {0, "", "Save", "Save"},  // codes no row has show English
      {12, "switch", "Off", "Off"},
      {1033, "", "Save", "Save"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Translate(c.language, c.context, c.english), c.shown)
        << c.language << " " << c.english;
  }
}

TEST(TranslateTest, ATextTheTemplateLacksShowsEnglishAndIsCounted) {
  const std::size_t before = MissedLookups();
  EXPECT_EQ(Translate(3, "A text nobody wrote into the template"),
            "A text nobody wrote into the template");
  EXPECT_EQ(Translate(3, "no such context", "Save"), "Save");
  EXPECT_EQ(MissedLookups(), before + 2);
  EXPECT_EQ(Translate(2, "Not in the template either"), "Not in the template either");
  EXPECT_EQ(MissedLookups(), before + 2);  // English needs no entry
}

TEST(TranslateTest, FillInReplacesNamedPlaceholders) {
  const struct {
    std::string_view text;
    std::string_view expected;
  } cases[] = {
      {"{path} was not saved", "/card/mms.dat was not saved"},
      {"{n} Sec", "7 Sec"},
      {"{n}/{n}", "7/7"},
      {"{unknown} stays", "{unknown} stays"},
      {"an { alone", "an { alone"},
      {"ends in {", "ends in {"},
      {"{}", "{}"},
      {"{path}{n}", "/card/mms.dat7"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FillIn(c.text, {{"path", "/card/mms.dat"}, {"n", "7"}}), c.expected) << c.text;
  }
  // A value holding braces is not filled in again.
  EXPECT_EQ(FillIn("{a} and {b}", {{"a", "{b}"}, {"b", "x"}}), "{b} and x");
}

}  // namespace
}  // namespace quelmo
