#include "presets/settings_load.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "text/language_code.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

enum class Field { kA, kB, kC };

struct Settings {
  std::string a;
  std::string b;
  int c = 0;
};

std::string* TextOf(Settings& settings, Field field) {
  switch (field) {
    case Field::kA:
      return &settings.a;
    case Field::kB:
      return &settings.b;
    case Field::kC:
      return nullptr;  // no text
  }
  return nullptr;
}

std::string_view NameOf(Field field, int /*language*/) {
  return field == Field::kA ? "Alpha" : field == Field::kB ? "Beta" : "Gamma";
}

int looked_at = 0;
bool StartsWithK(std::span<const std::uint8_t> bytes) {
  ++looked_at;
  return bytes[0] == 'K';
}

TEST(SettingsLoadTest, SizeIsRefusedBeforeTheKindIsLookedAt) {
  const struct {
    std::vector<std::uint8_t> bytes;
    std::optional<LoadRefusal> refusal;
    int lookedAt;
  } cases[] = {
      {{}, LoadRefusal{LoadRefusalKind::kWrongSize, 0}, 0},
      {{'K', 0, 0}, LoadRefusal{LoadRefusalKind::kWrongSize, 3}, 0},
      {{'X', 0, 0, 0}, LoadRefusal{LoadRefusalKind::kOtherKind, 4}, 1},
      {{'K', 0, 0, 0}, std::nullopt, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.size());
    looked_at = 0;
    EXPECT_EQ(RefusalBeforeReading(c.bytes, 4, StartsWithK), c.refusal);
    EXPECT_EQ(looked_at, c.lookedAt);
  }
}

TEST(SettingsLoadTest, ARefusalSaysWhyInTheLanguage) {
  EXPECT_EQ(LoadRefusalReason({LoadRefusalKind::kWrongSize, 300}, 780, kGprsFileWords, kEnglish),
            "The file is 300 bytes long; a GPRS setting file has 780 bytes.");
  EXPECT_EQ(LoadRefusalReason({LoadRefusalKind::kOtherKind, 780}, 780, kMmsFileWords, kEnglish),
            kMmsFileWords.otherKind);
  EXPECT_EQ(LoadRefusalReason({LoadRefusalKind::kDamaged, 780}, 780, kGprsFileWords, kEnglish),
            kGprsFileWords.damaged);
  // Translated with the numbers filled in.
  const std::string german =
      LoadRefusalReason({LoadRefusalKind::kWrongSize, 300}, 780, kMmsFileWords, kGerman);
  EXPECT_NE(german.find("300"), std::string::npos) << german;
  EXPECT_NE(german.find("780"), std::string::npos) << german;
  EXPECT_EQ(german.find('{'), std::string::npos) << german;
}

TEST(SettingsLoadTest, FindingsFollowTheStepsThatReportedALine) {
  std::vector<std::string> lines;
  std::vector<LoadFinding<Field>> findings;
  FindingNotes<Field> notes(lines, findings);
  notes.Note(FindingKind::kTextCut, Field::kA);  // nothing reported
  lines.push_back("a: cut");
  notes.Note(FindingKind::kTextCut, Field::kA);
  notes.Note(FindingKind::kNotGbk, Field::kB);  // the same line, not again
  lines.push_back("b: one");
  lines.push_back("b: two");
  notes.Note(FindingKind::kNotGbk, Field::kB);  // two lines, one finding
  notes.NoteIf(false, FindingKind::kOutsideList, Field::kC);
  lines.push_back("c: seen by NoteIf");
  notes.NoteIf(false, FindingKind::kOutsideList, Field::kC);
  notes.Note(FindingKind::kStrayBytes, Field::kC);  // NoteIf took the line in
  notes.NoteIf(true, FindingKind::kDisagrees, Field::kC);
  EXPECT_THAT(findings, ElementsAre(LoadFinding<Field>{FindingKind::kTextCut, Field::kA},
                                    LoadFinding<Field>{FindingKind::kNotGbk, Field::kB},
                                    LoadFinding<Field>{FindingKind::kDisagrees, Field::kC}));
}

TEST(SettingsLoadTest, TextsThatAreNotGbkAreEmptiedAndNothingElse) {
  LoadedSettings<Settings, Field> loaded{{"\xFF\xFF", "kept", 7},
                                         {{FindingKind::kNotGbk, Field::kA},
                                          {FindingKind::kTextCut, Field::kB},
                                          {FindingKind::kNotGbk, Field::kC}}};
  EmptyTextsNotGbk(loaded, TextOf);
  EXPECT_EQ(loaded.settings.a, "");
  EXPECT_EQ(loaded.settings.b, "kept");
  EXPECT_EQ(loaded.settings.c, 7);
}

TEST(SettingsLoadTest, TheUserIsToldOfEveryFindingButAnUnusualCameraLanguage) {
  const std::vector<LoadFinding<Field>> findings = {
      {FindingKind::kUnusualCameraLanguage, Field::kC},
      {FindingKind::kOutsideList, Field::kA},
      {FindingKind::kNotGbk, Field::kB},
  };
  const std::vector<std::string> lines = FindingLines(findings, NameOf, kEnglish);
  EXPECT_THAT(lines, ElementsAre("Alpha: a value the form does not offer, replaced",
                                 "Beta: not valid GBK text, left empty"));
  EXPECT_THAT(FindingLines(std::vector<LoadFinding<Field>>{
                               {FindingKind::kUnusualCameraLanguage, Field::kC}},
                           NameOf, kEnglish),
              IsEmpty());
  EXPECT_EQ(LoadedWithFindingsMessage("/card/x.dat", lines, kEnglish),
            "/card/x.dat was loaded, but it is not as this program writes it:\n"
            "Alpha: a value the form does not offer, replaced\n"
            "Beta: not valid GBK text, left empty");
  // Every kind has words of its own, in every language.
  for (int language = 1; language <= 11; ++language) {
    std::set<std::string_view> texts;
    for (FindingKind kind :
         {FindingKind::kOutsideList, FindingKind::kTextCut, FindingKind::kNotGbk,
          FindingKind::kStrayBytes, FindingKind::kDisagrees, FindingKind::kUnusualCameraLanguage}) {
      const std::string_view text = FindingKindText(kind, language);
      EXPECT_FALSE(text.empty()) << language;
      texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 6u) << language;
  }
}

}  // namespace
}  // namespace quelmo
