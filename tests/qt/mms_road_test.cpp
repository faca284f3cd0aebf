// The MMS form in the real window, offscreen: from the launcher to a saved
// mms.dat, a loaded Customer file, and back.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/file_preference_backend.h"
#include "app/launcher.h"
#include "mms/mms_controls.h"
#include "mms/mms_file.h"
#include "platform/file_system.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "app/program_session.h"
#include "qt/qt_form_view.h"
#include "qt/window_loop.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MmsRoadTest : public ::testing::Test {
 protected:
  MmsRoadTest()
      : session_(std::make_unique<FilePreferenceBackend>(preferences_.path(), SystemFileSystem()),
                 kEnglishUs),
        loop_(session_.Context(), dialogs_) {}
  ~MmsRoadTest() override { ProcessQtEvents(); }

  DialogWindow& Window() { return loop_.Current()->Window(); }
  QString Text(ControlId id) { return Window().EditOf(id)->text(); }
  void Click(ControlId id) {
    QTest::mouseClick(Window().Control(id), Qt::LeftButton);
    ProcessQtEvents();
  }
  // Picks a list entry with the keyboard, as a user would.
  void PickByKeys(ControlId id, int downs) {
    QComboBox* list = Window().ListOf(id);
    list->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(list, Qt::Key_Down);
    ProcessQtEvents();
  }
  void TypeInto(ControlId id, const QString& text) {
    QLineEdit* edit = Window().EditOf(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    ProcessQtEvents();
  }

  TempFolder preferences_;
  TempFolder card_;
  RecordingDialogs dialogs_;
  ProgramSession session_;
  WindowLoop loop_;
};

TEST_F(MmsRoadTest, LauncherToSavedFileToLoadedCustomerFileAndBack) {
  loop_.Start();
  Click(kLauncherMmsButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kMmsForm);
  EXPECT_EQ(Window().ListOf(kMmsCountryList)->currentText(), QStringLiteral("China"));
  EXPECT_EQ(Text(kMmsApnEdit), QStringLiteral("cmwap"));
  EXPECT_TRUE(Window().EditOf(kMmsApnEdit)->isReadOnly());

  // Bulgaria, just above China, then its second operator.
  QComboBox* countries = Window().ListOf(kMmsCountryList);
  countries->setFocus();
  QTest::keyClick(countries, Qt::Key_Up);
  ProcessQtEvents();
  EXPECT_EQ(countries->currentText(), QStringLiteral("Bulgaria"));
  EXPECT_EQ(Window().ListOf(kMmsOperatorList)->currentText(), QStringLiteral("Globul"));
  PickByKeys(kMmsOperatorList, 1);
  EXPECT_EQ(Window().ListOf(kMmsOperatorList)->currentText(), QStringLiteral("Mtel"));
  EXPECT_EQ(Text(kMmsApnEdit), QStringLiteral("mms-gprs.mtel.bg"));

  TypeInto(kMmsPhoneEdit, QStringLiteral("+359888123456"));
  EXPECT_FALSE(Window().EditOf(kMmsSecondEdit)->isReadOnly());
  dialogs_.AnswerFolder(QString::fromStdString(PathToUtf8(card_.path())));
  Click(kMmsFolderButton);
  Click(kMmsSaveButton);
  ASSERT_FALSE(dialogs_.Messages().empty());
  EXPECT_TRUE(dialogs_.Messages().back().text.startsWith(
      QStringLiteral("Save All Parameters To MMS Setting File\n")));

  const std::vector<std::uint8_t> bytes = ReadBytes(card_.path() / "mms.dat");
  ASSERT_EQ(bytes.size(), 780u);
  EXPECT_EQ(bytes[8], 0x30);   // country 3, nibbles swapped
  EXPECT_EQ(bytes[9], 0x10);   // operator 1
  EXPECT_EQ(bytes[50], 0x01);  // Auto
  const MmsFileContents saved = ReadMmsFile(bytes);
  EXPECT_TRUE(saved.integrity.intact());
  EXPECT_EQ(saved.settings.phone, "+359888123456");
  EXPECT_EQ(saved.settings.apn, "mms-gprs.mtel.bg");
  EXPECT_EQ(saved.settings.port, "8080");
  EXPECT_FALSE(std::filesystem::exists(card_.path() / "setup.dat"));

  // Load a Customer file: the form turns to Customer mode with its values.
  MmsSettings customer;
  customer.mode = kMmsCustomer;
  customer.countryIndex = kManualCountry;
  customer.url = "http://mms.example.net";
  customer.apn = "mms";
  customer.gateway = "192.0.2.1";
  customer.port = "8080";
  customer.receiveEmail = "me@example.org";
  const std::filesystem::path customer_file = card_.path() / "customer.dat";
  {
    const std::vector<std::uint8_t> file = MmsFileBytes(customer, 2, 0);
    std::ofstream(customer_file, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
  }
  dialogs_.AnswerFile(QString::fromStdString(PathToUtf8(customer_file)));
  Click(kMmsLoadButton);
  EXPECT_EQ(Window().ListOf(kMmsModeList)->currentText(), QStringLiteral("Customer"));
  EXPECT_FALSE(Window().ListOf(kMmsCountryList)->isEnabled());
  EXPECT_FALSE(Window().EditOf(kMmsUrlEdit)->isReadOnly());
  EXPECT_EQ(Text(kMmsUrlEdit), QStringLiteral("http://mms.example.net"));
  EXPECT_EQ(Text(kMmsEmailEdit), QStringLiteral("me@example.org"));
  EXPECT_EQ(Text(kMmsPhoneEdit), QString());

  Click(kMmsExitButton);
  EXPECT_EQ(loop_.Current()->Which(), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
