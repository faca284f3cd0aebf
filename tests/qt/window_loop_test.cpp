// The real program flow, offscreen: start-up from a preference file in a
// temporary folder, then launchers and forms taking turns.

#include "qt/window_loop.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <new>
#include <span>
#include <vector>

#include "app/file_preference_backend.h"
#include "app/launcher.h"
#include "qt/guarded_application.h"
#include "support/reference_crc.h"
#include "road_fixture.h"
#include "support/file_bytes.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

std::unique_ptr<PreferenceBackend> FileBackend(const TempFolder& folder) {
  return std::make_unique<FilePreferenceBackend>(folder.path(), SystemFileSystem());
}

class WindowLoopTest : public RoadFixture {
 protected:
  std::vector<std::string> Entries(ControlId id) {
    std::vector<std::string> entries;
    for (int i = 0; i < Window().ListOf(id)->count(); ++i) {
      entries.push_back(Window().ListOf(id)->itemText(i).toStdString());
    }
    return entries;
  }
  std::uint16_t StoredLanguage() {
    const std::unique_ptr<PreferenceBackend> backend = FileBackend(preferences_);
    PreferenceStore store(*backend, kEnglishUs);
    std::uint16_t code = 0;
    EXPECT_TRUE(store.LoadLanguage(code));
    return code;
  }

  QSignalSpy finished_{&loop_, &WindowLoop::finished};
};

TEST_F(WindowLoopTest, LauncherFormLauncherAndTheEnd) {
  loop_.Start();
  ASSERT_TRUE(loop_.Running());
  ASSERT_EQ(loop_.Current()->Which(), Next::kLauncher);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Quelmo"));
  EXPECT_EQ(Text(kLauncherCameraButton), "Camera Setting");
  EXPECT_EQ(Text(kLauncherLanguageLabel), "Select Language");
  EXPECT_EQ(Entries(kLauncherLanguageList),
            (std::vector<std::string>{"中文", "English", "Deutsch", "Suomi", "Italiano", "Français",
                                      "Magyar", "Slovenščina", "Čeština", "日本語", "Lietuvių"}));
  EXPECT_EQ(Window().ListOf(kLauncherLanguageList)->currentIndex(), 1);
  EXPECT_EQ(StoredLanguage(), 2);  // the first run stores the default

  // The user picks "Deutsch": the texts change and the choice is stored.
  QComboBox* languages = Window().ListOf(kLauncherLanguageList);
  languages->setFocus();
  QTest::keyClick(languages, Qt::Key_Down);
  EXPECT_EQ(Text(kLauncherCameraButton), "Kamera Einstellungen");
  EXPECT_EQ(Text(kLauncherMmsButton), "MMS Einstellungen");
  EXPECT_EQ(Window().SystemMenuEntry(), QStringLiteral("Copyright"));  // not the English "CopyRight"
  EXPECT_EQ(StoredLanguage(), 3);

  // A form button ends the launcher and shows the form, alone.
  QPointer<DialogWindow> first_launcher = &Window();
  Click(kLauncherCameraButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kCameraForm);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Quelmo K300X"));
  EXPECT_TRUE(first_launcher.isNull() || !first_launcher->isVisible());

  // Exit brings a fresh launcher in the language picked before.
  Click(kIdCancel);
  ASSERT_EQ(loop_.Current()->Which(), Next::kLauncher);
  EXPECT_NE(&Window(), first_launcher.data());
  EXPECT_EQ(Text(kLauncherCameraButton), "Kamera Einstellungen");
  EXPECT_EQ(Window().ListOf(kLauncherLanguageList)->currentText(), QStringLiteral("Deutsch"));

  // Closing a launcher that opened no form ends the program.
  EXPECT_EQ(finished_.count(), 0);
  Window().close();
  ProcessQtEvents();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_FALSE(loop_.Running());
  EXPECT_TRUE(loop_.Outcome().ok());
  EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(WindowLoopTest, AboutOpensOverTheLauncherWhichStays) {
  loop_.Start();
  ASSERT_EQ(Window().SystemMenuEntry(), QStringLiteral("CopyRight"));
  Window().ChooseSystemMenuEntry();
  ASSERT_NE(loop_.Over(), nullptr);
  DialogWindow& about = loop_.Over()->Window();
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Setup"));
  EXPECT_TRUE(about.isVisible());
  EXPECT_TRUE(about.isModal());
  EXPECT_TRUE(Window().isVisible());

  QTest::keyClick(&about, Qt::Key_Escape);
  ProcessQtEvents();
  EXPECT_EQ(loop_.Over(), nullptr);
  ASSERT_TRUE(loop_.Running());
  EXPECT_EQ(loop_.Current()->Which(), Next::kLauncher);
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(WindowLoopTest, EscOnTheLauncherEndsTheProgram) {
  loop_.Start();
  QTest::keyClick(&Window(), Qt::Key_Escape);
  ProcessQtEvents();
  EXPECT_EQ(finished_.count(), 1);
  EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(WindowLoopTest, CameraFormWholeRoad) {
  loop_.Start();
  Click(kLauncherCameraButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kCameraForm);

  // Mode "Video", Timer1 "On" and a start hour of 7, as a user sets them.
  Pick(1013, 1);
  Pick(1025, 1);
  ASSERT_FALSE(Window().EditOf(1017)->isReadOnly());
  Type(1017, "7");

  dialogs_.AnswerFolder(QString::fromStdString(PathToUtf8(card_.path())));
  Click(1057);  // Select
  Click(kIdOk);  // Save
  ASSERT_FALSE(dialogs_.Messages().empty());
  EXPECT_EQ(dialogs_.Messages().back().text,
            QString::fromStdString("Save All Parameters To Camera Setting File\n" +
                                   PathToUtf8(card_.path() / "camera.dat")));

  const std::vector<std::uint8_t> bytes = ReadBytes(card_.path() / "camera.dat");
  ASSERT_EQ(bytes.size(), 180u);
  EXPECT_EQ(bytes[0], 1);   // cameraMode: Video
  EXPECT_EQ(bytes[8], 1);   // timer1Enabled
  EXPECT_EQ(bytes[20], 7);  // timer1StartHour
  EXPECT_EQ(bytes[29], 2);  // the camera speaks English
  EXPECT_EQ(testing::StoredCheckAt(bytes, 0),
            testing::ReferenceStoredCheck(std::span(bytes).first(50)));
  EXPECT_EQ((std::array{bytes[58], bytes[59], bytes[118], bytes[119], bytes[179]}),
            (std::array<std::uint8_t, 5>{0x0D, 0x0A, 0x0D, 0x0A, 0x00}));

  Click(kIdCancel);  // Exit
  EXPECT_EQ(loop_.Current()->Which(), Next::kLauncher);
}

// A launcher whose camera button throws, as a handler might when memory runs
// out; Esc ends it.
class ThrowingLauncher final : public FormLogic {
 public:
  explicit ThrowingLauncher(FormView& view) : view_(view) {}
  void Open() override { view_.SetTitle("Quelmo"); }
  Next Clicked(ControlId id) override {
    if (id == kLauncherCameraButton) throw std::bad_alloc();
    return id == kIdCancel ? Next::kQuit : Next::kStay;
  }

 private:
  FormView& view_;
};

// The host's one catch: the user is told in the windows' language, the log
// gets a line, and the window goes on as before.
TEST_F(WindowLoopTest, AnExceptionFromAHandlerIsToldAndLoggedAndTheWindowGoesOn) {
  WindowLoop loop(session_.Context(), dialogs_,
                  [](Next which, FormView& view, FormLogic*) -> std::unique_ptr<FormLogic> {
                    if (which != Next::kLauncher) return nullptr;
                    return std::make_unique<ThrowingLauncher>(view);
                  });
  session_.Context().state.languageIndex = 3;
  auto& app = static_cast<GuardedApplication&>(*QCoreApplication::instance());
  app.SetReporter(WarnUser(dialogs_, session_.Context().state));
  loop.Start();
  DialogWindow& window = loop.Current()->Window();

  ::testing::internal::CaptureStderr();
  QTest::mouseClick(window.Control(kLauncherCameraButton), Qt::LeftButton);
  ProcessQtEvents();
  const std::string log = ::testing::internal::GetCapturedStderr();
  app.SetReporter({});

  const std::string what = std::bad_alloc().what();
  EXPECT_EQ(log, "quelmo: unexpected error in an event handler: " + what + "\n");
  ASSERT_EQ(dialogs_.Messages().size(), 1u);
  EXPECT_EQ(dialogs_.Messages()[0].text.toStdString(), EscapedErrorMessage(what, 3));
  EXPECT_EQ(dialogs_.Messages()[0].icon, MessageIcon::kWarning);
  ASSERT_TRUE(loop.Running());
  EXPECT_TRUE(window.isVisible());

  QTest::keyClick(&window, Qt::Key_Escape);
  ProcessQtEvents();
  EXPECT_FALSE(loop.Running());
}

}  // namespace
}  // namespace quelmo
