#include "controls/folder_field.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/fake_view.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr ControlId kEdit = 1064;
constexpr const char* kHome = "/home/user";
constexpr const char* kCard = "/media/card";
constexpr const char* kTooLong = "Please enter no more than 80 characters.";

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(FolderFieldTest, OpensOnTheDefaultFolderWithItsCharacterLimit) {
  FakeView view;
  FolderField field(view, kEdit, kHome, kEnglish);
  field.Open();
  EXPECT_EQ(view.Text(kEdit), kHome);
  EXPECT_EQ(view.CharacterLimit(kEdit), 80);
  EXPECT_EQ(view.ByteLimit(kEdit), std::nullopt);  // a folder never goes into a file
  EXPECT_EQ(field.folder(), kHome);
}

// The Select button: the browser opens at the folder shown (the default one
// when the field is empty), and only a folder the field may hold replaces it.
TEST(FolderFieldTest, Choose) {
  const struct {
    const char* name;
    std::string shown;
    std::optional<std::string> answer;
    std::string start;       // where the browser opens
    std::string shown_after;
    bool too_long;
  } cases[] = {
      {"chosen", kHome, kCard, kHome, kCard, false},
      {"cancelled keeps what was typed", "/typed/by/hand", std::nullopt, "/typed/by/hand",
       "/typed/by/hand", false},
      {"an empty answer is a cancel", "/typed/by/hand", "", "/typed/by/hand", "/typed/by/hand",
       false},
      {"an emptied field opens at the default", "", kCard, kHome, kCard, false},
      {"81 characters", kCard, std::string(81, 'a'), kCard, kCard, true},
      {"80 characters", kCard, std::string(80, 'a'), kCard, std::string(80, 'a'), false},
      // The limit counts characters of any script, not bytes.
      {"80 Chinese characters", kCard, Repeat("文", 80), kCard, Repeat("文", 80), false},
      {"81 characters, one accented", kCard, Repeat("文", 80) + "ö", kCard, kCard, true},
  };
  // Answered at once (a modal browser) or after Choose returned (a host that
  // cannot wait): the field is the same in the end.
  for (const bool later : {false, true}) {
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (later ? ", answered later" : ""));
    FakeView view;
    FolderField field(view, kEdit, kHome, kEnglish);
    field.Open();
    view.SetText(kEdit, c.shown);
    view.AnswerFolder(c.answer);
    if (later) view.HoldAnswers();
    field.Choose();
    if (later) {
      EXPECT_EQ(view.Text(kEdit), c.shown) << "nothing changes before the answer";
      EXPECT_TRUE(view.Messages().empty());
      EXPECT_TRUE(view.AnswerHeld());
    }
    EXPECT_EQ(view.FolderRequests(), 1);
    EXPECT_EQ(view.FolderStart(), c.start);
    EXPECT_EQ(view.Text(kEdit), c.shown_after);
    if (c.too_long) {
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, kTooLong);
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    } else {
      EXPECT_TRUE(view.Messages().empty());
    }
    if (c.shown_after != c.shown) EXPECT_EQ(field.folder(), c.shown_after);
  }
  }
}

// Field -> folder, while the user types and when the form writes.
TEST(FolderFieldTest, TakeAndTakeForWrite) {
  const struct {
    const char* name;
    std::string typed;
    bool for_write;
    bool taken;
    std::string folder_after;
    std::string shown_after;
  } cases[] = {
      {"typed", kCard, false, true, kCard, kCard},
      {"typed, for a write", kCard, true, true, kCard, kCard},
      {"80 characters", std::string(80, 'x'), true, true, std::string(80, 'x'),
       std::string(80, 'x')},
      {"81 characters", std::string(81, 'x'), false, false, kHome, std::string(81, 'x')},
      {"81 characters, for a write", std::string(81, 'x'), true, false, kHome,
       std::string(81, 'x')},
      // An emptied field means the default folder, never the working directory.
      {"emptied, for a write", "", true, true, kHome, kHome},
      {"emptied while typing", "", false, true, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    FolderField field(view, kEdit, kHome, kEnglish);
    field.Open();
    view.SetText(kEdit, c.typed);
    EXPECT_EQ(c.for_write ? field.TakeForWrite() : field.Take(), c.taken);
    EXPECT_EQ(field.folder(), c.folder_after);
    EXPECT_EQ(view.Text(kEdit), c.shown_after);
    if (c.taken) {
      EXPECT_TRUE(view.Messages().empty());
    } else {
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, kTooLong);
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
      EXPECT_EQ(view.Focused(), kEdit);
    }
  }
}

// The program's own default folder is accepted whatever its length.
TEST(FolderFieldTest, ALongDefaultFolderIsStillAccepted) {
  const std::string deep = "/home/" + std::string(90, 'h');
  FakeView view;
  FolderField field(view, kEdit, deep, kEnglish);
  field.Open();
  EXPECT_TRUE(field.TakeForWrite());
  EXPECT_EQ(field.folder(), deep);
  view.SetText(kEdit, "");
  EXPECT_TRUE(field.TakeForWrite());
  EXPECT_EQ(view.Text(kEdit), deep);
  view.AnswerFolder(deep);
  field.Choose();
  EXPECT_TRUE(view.Messages().empty());
}

TEST(FolderFieldTest, CharacterCount) {
  const std::pair<const char*, int> cases[] = {
      {"", 0}, {"abc", 3}, {"ö", 1}, {"文件", 2}, {"❄x", 2}, {"\xF0\x9F\x93\xB7", 1}};
  for (const auto& [text, count] : cases) EXPECT_EQ(CharacterCount(text), count) << text;
}

}  // namespace
}  // namespace quelmo
