#include "controls/integer_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_view.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr ControlId kEdit = 1017;
constexpr ControlId kOther = 1022;
constexpr int kHeldBefore = 5;

constexpr const char* kProgram23 = "Please enter an integer between 0 and 23!";
constexpr const char* kFramework23 = "Please enter an integer between 0 and 23.";

// What one text in the field does, as the form takes it while the user types:
// the value held afterwards, what is said and whether the field gets the focus.
TEST(IntegerEditTest, TakeWhileTyping) {
  const struct {
    RangeWording wording;
    int language;
    const char* text;
    bool taken;
    int held_after;
    const char* message;  // "" for none
    MessageIcon icon;
    bool zeroed;  // by ZeroIfOutOfRange
  } cases[] = {
      {RangeWording::kProgram, kEnglish, "23", true, 23, "", MessageIcon::kApp, false},
      {RangeWording::kProgram, kEnglish, "0", true, 0, "", MessageIcon::kApp, false},
      {RangeWording::kProgram, kEnglish, "24", false, kHeldBefore, kProgram23, MessageIcon::kApp, true},
      {RangeWording::kProgram, kEnglish, "-5", false, kHeldBefore, kProgram23, MessageIcon::kApp, true},
      // Digits beyond what an int holds are a number out of range, not "no integer".
      {RangeWording::kProgram, kEnglish, "99999999999", false, kHeldBefore, kProgram23,
       MessageIcon::kApp, true},
      {RangeWording::kProgram, kChinese, "99", false, kHeldBefore, "请输入一个介于0和23之间的值!",
       MessageIcon::kApp, true},
      {RangeWording::kFramework, kEnglish, "23", true, 23, "", MessageIcon::kWarning, false},
      {RangeWording::kFramework, kEnglish, "24", false, kHeldBefore, kFramework23,
       MessageIcon::kWarning, true},
      {RangeWording::kFramework, kEnglish, "-5", false, kHeldBefore, kFramework23,
       MessageIcon::kWarning, true},
      {RangeWording::kFramework, kChinese, "100", false, kHeldBefore,
       "“请填入一个在0和23之间的整数。”", MessageIcon::kWarning, true},
      // No number yet is a normal moment while typing: nothing said, nothing taken.
      {RangeWording::kProgram, kEnglish, "", true, kHeldBefore, "", MessageIcon::kApp, false},
      {RangeWording::kProgram, kEnglish, "-", true, kHeldBefore, "", MessageIcon::kApp, false},
      {RangeWording::kFramework, kEnglish, "", true, kHeldBefore, "", MessageIcon::kWarning, false},
      {RangeWording::kFramework, kGerman, "-", true, kHeldBefore, "", MessageIcon::kWarning, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\" wording " +
                 std::to_string(static_cast<int>(c.wording)) + " language " +
                 std::to_string(c.language));
    FakeView view;
    const IntegerEdit edit(view, kEdit, 0, 23, c.wording, c.language);
    view.SetText(kEdit, c.text);
    int held = kHeldBefore;
    EXPECT_EQ(edit.Take(held), c.taken);
    EXPECT_EQ(held, c.held_after);
    if (*c.message == '\0') {
      EXPECT_TRUE(view.Messages().empty());
      EXPECT_EQ(view.Focused(), std::nullopt);
    } else {
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, c.message);
      EXPECT_EQ(view.Messages()[0].icon, c.icon);
      EXPECT_EQ(view.Focused(), kEdit);
    }
    EXPECT_EQ(view.Text(kEdit), c.text);  // the field is the form's to change

    int zeroed = kHeldBefore;
    EXPECT_EQ(edit.ZeroIfOutOfRange(zeroed), c.zeroed);
    EXPECT_EQ(zeroed, c.zeroed ? 0 : kHeldBefore);
  }
}

// An emptied field is said once when the user leaves it and stops a write;
// a field with a number says nothing on leaving, whatever the other fields hold.
TEST(IntegerEditTest, NoNumberIsSaidOnLeavingAndStopsAWrite) {
  const struct {
    RangeWording wording;
    int language;
    const char* text;
    const char* message;  // for no number; "" when the field holds one
  } cases[] = {
      {RangeWording::kProgram, kEnglish, "", "Please enter an integer."},
      {RangeWording::kProgram, kEnglish, "-", "Please enter an integer."},
      {RangeWording::kFramework, kEnglish, "-", "Please enter an integer."},
      {RangeWording::kFramework, kChinese, "", "请键入一个整数。"},
      {RangeWording::kProgram, kChinese, "", "请键入一个整数。"},
      {RangeWording::kProgram, kEnglish, "7", ""},
      {RangeWording::kFramework, kEnglish, "7", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\" language " + std::to_string(c.language));
    FakeView view;
    const IntegerEdit edit(view, kEdit, 0, 23, c.wording, c.language);
    view.SetText(kEdit, c.text);
    view.SetText(kOther, "");

    edit.Left(kOther);  // another control: not this field's business
    EXPECT_TRUE(view.Messages().empty());

    edit.Left(kEdit);
    if (*c.message == '\0') {
      EXPECT_TRUE(view.Messages().empty());
    } else {
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, c.message);
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
      EXPECT_EQ(view.Focused(), std::nullopt);  // leaving keeps the user's new place
    }
    EXPECT_EQ(view.Text(kEdit), c.text);  // left as the user left it

    view.ClearMessages();
    int held = kHeldBefore;
    const bool written = edit.TakeForWrite(held);
    if (*c.message == '\0') {
      EXPECT_TRUE(written);
      EXPECT_EQ(held, 7);
      EXPECT_TRUE(view.Messages().empty());
    } else {
      EXPECT_FALSE(written);
      EXPECT_EQ(held, kHeldBefore);
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].text, c.message);
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
      EXPECT_EQ(view.Focused(), kEdit);
    }
  }
}

TEST(IntegerEditTest, AWriteChecksTheRangeToo) {
  FakeView view;
  const IntegerEdit edit(view, kEdit, 0, 23, RangeWording::kProgram, kEnglish);
  view.SetText(kEdit, "24");
  int held = kHeldBefore;
  EXPECT_FALSE(edit.TakeForWrite(held));
  EXPECT_EQ(held, kHeldBefore);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_EQ(view.Messages()[0].text, kProgram23);
  EXPECT_EQ(view.Focused(), kEdit);
}

}  // namespace
}  // namespace quelmo
