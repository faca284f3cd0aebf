#include "app/launcher.h"

#include <gtest/gtest.h>

#include "app/launcher_texts.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

const std::vector<std::string> kElevenLanguages = {
    "中文", "English", "Deutsch", "Suomi", "Italiano", "Français",
    "Magyar", "Slovenščina", "Čeština", "日本語", "Lietuvių"};

// A run's shared state and stored key, with launchers opened over it.
class LauncherTest : public testing::Test {
 protected:
  LauncherTest() { backend_.SetKeyExists(true); }  // start-up has made it

  void Settle(int language_index) { state_.languageIndex = language_index; }

  // A fresh launcher, as after start-up or a form's Exit.
  void OpenLauncher() {
    view_ = std::make_unique<FakeView>();
    launcher_ = std::make_unique<LauncherLogic>(*view_, context_);
    view_->Bind(*launcher_);
    launcher_->Open();
  }

  FakeView& View() { return *view_; }
  std::vector<std::string> LanguageEntries() { return view_->Items(kLauncherLanguageList); }
  int LanguageSelection() { return view_->Selection(kLauncherLanguageList); }

  FakePreferenceBackend backend_;
  PreferenceStore store_{backend_, kEnglishUs};
  AppState state_;
  AppContext context_{state_, store_, SystemFileSystem(), SystemLocalClock(), "/"};
  std::unique_ptr<FakeView> view_;
  std::unique_ptr<LauncherLogic> launcher_;
};

TEST_F(LauncherTest, EnglishOpeningShowsTitleTextsAndBothLists) {
  OpenLauncher();
  EXPECT_EQ(View().Title(), "Quelmo");
  EXPECT_EQ(View().Text(kLauncherVersionLabel), "Version:1.0.005");
  EXPECT_EQ(View().Text(kLauncherCameraButton), "Camera Setting");
  EXPECT_EQ(View().Text(kLauncherSmtpButton), "GPRS Setting");
  EXPECT_EQ(View().Text(kLauncherLanguageLabel), "Select Language");
  EXPECT_EQ(LanguageEntries(), kElevenLanguages);
  EXPECT_EQ(LanguageSelection(), 1);
  EXPECT_EQ(View().Items(kLauncherModelList), (std::vector<std::string>{"Quelmo K300X"}));
  EXPECT_EQ(View().Selection(kLauncherModelList), 0);
  EXPECT_EQ(launcher_->SystemMenuEntry(), "CopyRight");
}

// Every language is listed by its own name whatever the windows show, and
// selected when it is the one stored.
TEST_F(LauncherTest, EveryLanguageIsListedAndSelectedByItsOwnName) {
  for (int code = 1; code <= 11; ++code) {
    Settle(code);
    OpenLauncher();
    EXPECT_EQ(LanguageEntries(), kElevenLanguages) << code;
    EXPECT_EQ(LanguageSelection(), code - 1) << code;
    EXPECT_EQ(View().SelectedText(kLauncherLanguageList), kElevenLanguages[code - 1]);
  }
  Settle(1);
  OpenLauncher();
  EXPECT_EQ(View().Text(kLauncherVersionLabel), "程序版本:1.0.005");
  EXPECT_EQ(View().Text(kLauncherCameraButton), "相机设置");
  EXPECT_EQ(View().Text(kLauncherModelLabel), "机器型号");
}

TEST_F(LauncherTest, CodesNoRowHasShowEnglishAndNoSelection) {
  for (const int code : {12, 0, -3, 65535}) {
    Settle(code);
    OpenLauncher();
    EXPECT_EQ(View().Text(kLauncherCameraButton), "Camera Setting") << code;
    EXPECT_EQ(View().Text(kLauncherVersionLabel), "Version:1.0.005") << code;
    EXPECT_EQ(LanguageSelection(), -1) << code;
    EXPECT_EQ(state_.cameraLanguage(), code) << "a stored code is written as it is";
  }
}

// Picking a language shows it at once, on any system, and stores its code;
// the files tell the camera the same code.
TEST_F(LauncherTest, PickingEachLanguageShowsItAndStoresItsCode) {
  OpenLauncher();
  for (int position = 0; position < 11; ++position) {
    View().Pick(kLauncherLanguageList, position);
    EXPECT_EQ(state_.languageIndex, position + 1);
    EXPECT_EQ(state_.cameraLanguage(), position + 1);
    EXPECT_EQ(backend_.Dword("language"), static_cast<std::uint32_t>(position + 1));
    EXPECT_EQ(LanguageSelection(), position);
    EXPECT_EQ(View().Text(kLauncherCameraButton),
              LauncherTextsFor(position + 1).cameraButton);
  }
  View().Pick(kLauncherLanguageList, 0);
  EXPECT_EQ(View().Text(kLauncherSmsButton), "短信设置");
}

TEST_F(LauncherTest, GermanPickedSurvivesIntoTheNextLauncher) {
  OpenLauncher();
  View().Pick(kLauncherLanguageList, 2);
  EXPECT_EQ(View().Text(kLauncherCameraButton), "Kamera Einstellungen");
  EXPECT_EQ(backend_.Dword("language"), 3u);
  EXPECT_EQ(launcher_->Clicked(kLauncherCameraButton), Next::kCameraForm);

  OpenLauncher();
  EXPECT_EQ(View().Text(kLauncherCameraButton), "Kamera Einstellungen");
  EXPECT_EQ(View().SelectedText(kLauncherLanguageList), "Deutsch");
}

TEST_F(LauncherTest, UnwritableKeyStillChangesTheLanguageForThisRun) {
  backend_.SetKeyExists(false);
  backend_.SetWritable(false);
  OpenLauncher();
  View().Pick(kLauncherLanguageList, 2);
  EXPECT_EQ(state_.languageIndex, 3);
  EXPECT_EQ(View().Text(kLauncherSmsButton), "SMS Einstellungen");
  EXPECT_FALSE(backend_.KeyExists());
}

TEST_F(LauncherTest, StoredModelTwoShowsNoSelectionAndPickingTheEntryStoresOne) {
  state_.modelIndex = 2;
  OpenLauncher();
  EXPECT_EQ(View().Selection(kLauncherModelList), -1);
  EXPECT_TRUE(View().IsEnabled(kLauncherCameraButton));

  View().Pick(kLauncherModelList, 0);
  EXPECT_EQ(state_.modelIndex, 1);
  EXPECT_EQ(backend_.Dword("model"), 1u);
  EXPECT_EQ(backend_.Dword("language"), std::nullopt) << "a model change stores nothing else";
}

TEST_F(LauncherTest, ButtonsOpenFormsAndEndingTheLauncherQuits) {
  OpenLauncher();
  EXPECT_EQ(View().Click(kLauncherCameraButton), Next::kCameraForm);
  EXPECT_EQ(View().Click(kLauncherMmsButton), Next::kMmsForm);
  EXPECT_EQ(View().Click(kLauncherSmtpButton), Next::kSmtpForm);
  EXPECT_EQ(View().Click(kLauncherSmsButton), Next::kSmsForm);
  EXPECT_EQ(View().Click(kIdOk), Next::kQuit);
  EXPECT_EQ(View().Click(kIdCancel), Next::kQuit);
  EXPECT_EQ(launcher_->SystemCommand(kCopyRightCommand), Next::kAbout);
  EXPECT_EQ(launcher_->SystemCommand(0xF060), Next::kStay);
}

TEST(LauncherTexts, TheFourButtonsAreToldApartFromTheFormsLabels) {
  // Japanese names the MMS form's mode label differently from the button.
  EXPECT_EQ(LauncherTextsFor(10).mmsButton, "MMS設定");
  EXPECT_EQ(LauncherTextsFor(3).cameraButton, "Kamera Einstellungen");
  EXPECT_EQ(LauncherTextsFor(2).versionLabel, "Version:1.0.005");
}

}  // namespace
}  // namespace quelmo
