// The SMS form's whole road, offscreen: from the launcher into the form,
// three numbers, a limit and a schedule typed as a user types them, Save,
// the file read back, and Exit to a fresh launcher.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "app/launcher.h"
#include "sms/sms_controls.h"
#include "support/reference_crc.h"
#include "road_fixture.h"
#include "support/file_bytes.h"

namespace quelmo {
namespace {

using quelmo::testing::ReferenceStoredCheck;
using quelmo::testing::ReferenceSwap;
using quelmo::testing::StoredCheckAt;

// The number a stored text record holds: its length byte, its bytes swapped back.
std::string StoredNumber(const std::vector<std::uint8_t>& file, std::size_t record) {
  std::string number;
  for (std::size_t i = 0; i < file.at(record * 60 + 57); ++i) {
    number += static_cast<char>(ReferenceSwap(file[record * 60 + i]));
  }
  return number;
}

class SmsFormRoadTest : public RoadFixture {};

TEST_F(SmsFormRoadTest, LauncherSmsFormSaveAndBack) {
  loop_.Start();
  Click(kLauncherSmsButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kSmsForm);
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Quelmo K300X"));
  QComboBox* schedule = Window().ListOf(kSmsControlList);
  ASSERT_NE(schedule, nullptr);
  EXPECT_FALSE(schedule->isEditable());
  EXPECT_EQ(schedule->currentText(), QStringLiteral("Off"));

  // Numbers 2 and 3 open one after the other, as the one before is whole.
  EXPECT_TRUE(Window().EditOf(kSmsPhone2Edit)->isReadOnly());
  Type(kSmsPhone1Edit, "+4915112345678");
  EXPECT_FALSE(Window().EditOf(kSmsPhone2Edit)->isReadOnly());
  EXPECT_TRUE(Window().EditOf(kSmsPhone3Edit)->isReadOnly());
  Type(kSmsPhone2Edit, "01701234567");
  Type(kSmsPhone3Edit, "12345");
  Type(kSmsDailyLimitEdit, "12");
  schedule->setFocus();
  QTest::keyClick(schedule, Qt::Key_Up);  // "Off" -> "2 Hour"
  EXPECT_EQ(schedule->currentText(), QStringLiteral("2 Hour"));

  dialogs_.AnswerFolder(QString::fromStdString(PathToUtf8(card_.path())));
  Click(kSmsSelectFolderButton);
  Click(kSmsSaveButton);
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_TRUE(
      dialogs_.Messages()[0].text.startsWith(QStringLiteral("Save SMS configuration file")));

  const std::vector<std::uint8_t> bytes = ReadBytes(card_.path() / "sms.dat");
  ASSERT_EQ(bytes.size(), 300u);
  // Header: schedule 4, limit 1 and 2, the camera speaks English; swapped.
  EXPECT_EQ((std::array{bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[50]}),
            (std::array<std::uint8_t, 7>{0x00, 0x00, 0x40, 0x10, 0x20, 0x20, 0x01}));
  EXPECT_EQ(StoredNumber(bytes, 1), "+4915112345678");
  EXPECT_EQ(StoredNumber(bytes, 2), "01701234567");
  EXPECT_EQ(StoredNumber(bytes, 3), "12345");
  EXPECT_EQ(StoredCheckAt(bytes, 240), ReferenceStoredCheck(std::span(bytes).first(240)));
  EXPECT_FALSE(std::filesystem::exists(card_.path() / "setup.dat"));

  Click(kSmsExitButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kLauncher);
  EXPECT_TRUE(Window().isVisible());
}

}  // namespace
}  // namespace quelmo
