// What may be typed into an edit, and the file-open filter in Qt's terms.

#include <QString>

#include <gtest/gtest.h>

#include "qt/dialog_adapter.h"
#include "qt/edit_input_validator.h"

namespace quelmo {
namespace {

bool Accepts(const EditInputValidator& validator, const QString& text) {
  QString input = text;
  int position = 0;
  return validator.validate(input, position) == QValidator::Acceptable;
}

TEST(EditInput, DigitsOnlyRefusesEverythingButDigits) {
  EditInputValidator validator;
  validator.SetDigitsOnly(true);
  EXPECT_TRUE(Accepts(validator, ""));
  EXPECT_TRUE(Accepts(validator, "0759"));
  EXPECT_FALSE(Accepts(validator, "-5"));
  EXPECT_FALSE(Accepts(validator, "1a"));
  EXPECT_FALSE(Accepts(validator, QString::fromUtf8("１")));  // a full-width digit
}

TEST(EditInput, ByteLimitCountsGbkBytes) {
  EditInputValidator validator;
  validator.SetByteLimit(4);
  EXPECT_TRUE(Accepts(validator, "abcd"));
  EXPECT_FALSE(Accepts(validator, "abcde"));
  // A Chinese character takes two bytes of the file.
  EXPECT_TRUE(Accepts(validator, QString::fromUtf8("中文")));
  EXPECT_FALSE(Accepts(validator, QString::fromUtf8("中文a")));
  EXPECT_TRUE(Accepts(validator, QString::fromUtf8("ab中")));
}

TEST(EditInput, CharactersGbkCannotHoldAreRefusedNotReplaced) {
  EditInputValidator validator;
  validator.SetByteLimit(30);
  EXPECT_FALSE(Accepts(validator, QString::fromUtf8("ok\U0001F600")));  // an emoji
  EXPECT_FALSE(Accepts(validator, QString::fromUtf8("\u0e01")));        // Thai
  // Without a limit the field is not stored as GBK and takes any text.
  validator.SetByteLimit(-1);
  EXPECT_TRUE(Accepts(validator, QString::fromUtf8("ok\U0001F600")));
}

TEST(FileFilter, WindowsFilterBecomesQtFilter) {
  EXPECT_EQ(QtFileFilter("Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||"),
            QStringLiteral("Quelmo Files (*.dat);;All Files (*)"));
  EXPECT_EQ(QtFileFilter("Pictures|*.jpg;*.png||"), QStringLiteral("Pictures (*.jpg *.png)"));
  EXPECT_EQ(QtFileFilter(""), QString());
}

}  // namespace
}  // namespace quelmo
