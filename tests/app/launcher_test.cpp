#include "app/launcher.h"

#include <gtest/gtest.h>

#include "app/launcher_texts.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kChinesePrc = 0x0804;

// A run's shared state and stored key, with launchers opened over it.
class LauncherTest : public testing::Test {
 protected:
  LauncherTest() { backend_.SetKeyExists(true); }  // start-up has made it

  void Settle(int language_index, bool chinese_chosen = false, bool system_is_chinese = false) {
    state_.languageIndex = language_index;
    state_.chineseChosen = chinese_chosen;
    state_.systemIsChinese = system_is_chinese;
  }

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
  EXPECT_EQ(LanguageEntries(), (std::vector<std::string>{"Chinese", "English", "Deutsch"}));
  EXPECT_EQ(LanguageSelection(), 1);
  EXPECT_EQ(View().Items(kLauncherModelList), (std::vector<std::string>{"Quelmo K300X"}));
  EXPECT_EQ(View().Selection(kLauncherModelList), 0);
  EXPECT_EQ(launcher_->SystemMenuEntry(), "CopyRight");
}

TEST_F(LauncherTest, ChineseOnAChineseSystemShowsChineseTextsAndEntry) {
  Settle(1, false, true);
  OpenLauncher();
  EXPECT_EQ(View().Text(kLauncherVersionLabel), "程序版本:1.0.005");
  EXPECT_EQ(View().Text(kLauncherCameraButton), "相机设置");
  EXPECT_EQ(View().Text(kLauncherModelLabel), "机器型号");
  EXPECT_EQ(LanguageEntries()[0], "中文");
  EXPECT_EQ(LanguageSelection(), 0);
}

TEST_F(LauncherTest, ChineseChosenElsewhereShowsEnglishWithChineseSelected) {
  Settle(2, true);
  OpenLauncher();
  EXPECT_EQ(View().Text(kLauncherCameraButton), "Camera Setting");
  EXPECT_EQ(LanguageEntries()[0], "Chinese");
  EXPECT_EQ(LanguageSelection(), 0);
}

TEST_F(LauncherTest, LanguagesWithoutAnEntryLeaveTheListUnselected) {
  Settle(5);
  OpenLauncher();
  EXPECT_EQ(View().Text(kLauncherCameraButton), "Setup camera");
  EXPECT_EQ(View().Text(kLauncherMmsButton), "impost. MMS");
  EXPECT_EQ(View().Text(kLauncherSmtpButton), "GPRS Setting");
  EXPECT_EQ(LanguageSelection(), -1);

  for (const int code : {12, 0, -3, 65535}) {
    Settle(code);
    OpenLauncher();
    EXPECT_EQ(View().Text(kLauncherCameraButton), "Camera Setting") << code;
    EXPECT_EQ(View().Text(kLauncherVersionLabel), "Version:1.0.005") << code;
    EXPECT_EQ(LanguageSelection(), -1) << code;
  }
}

TEST_F(LauncherTest, PickingChineseOnAChineseSystemTurnsEverythingChinese) {
  Settle(2, false, true);
  OpenLauncher();
  View().Pick(kLauncherLanguageList, 0);
  EXPECT_EQ(state_.languageIndex, 1);
  EXPECT_TRUE(state_.chineseChosen);
  EXPECT_EQ(LanguageEntries()[0], "中文");
  EXPECT_EQ(LanguageSelection(), 0);
  EXPECT_EQ(View().Text(kLauncherSmsButton), "短信设置");
  EXPECT_EQ(backend_.Dword("language"), 1u);
}

TEST_F(LauncherTest, PickingChineseThenEnglishElsewhere) {
  OpenLauncher();
  View().Pick(kLauncherLanguageList, 0);
  EXPECT_EQ(state_.languageIndex, 2);
  EXPECT_TRUE(state_.chineseChosen);
  EXPECT_EQ(state_.cameraLanguage(), 1);
  EXPECT_EQ(LanguageEntries()[0], "Chinese");
  EXPECT_EQ(LanguageSelection(), 0);
  EXPECT_EQ(backend_.Dword("language"), 1u);

  View().Pick(kLauncherLanguageList, 1);
  EXPECT_EQ(state_.languageIndex, 2);
  EXPECT_FALSE(state_.chineseChosen);
  EXPECT_EQ(LanguageSelection(), 1);
  EXPECT_EQ(backend_.Dword("language"), 2u);
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

struct ExpectedTexts {
  int code;
  std::vector<std::string> texts;  // buttons 1000..1003, labels 1078, 1079, version
};

std::vector<std::string> AsList(const LauncherTexts& t) {
  return {t.cameraButton, t.mmsButton,  t.gprsButton,  t.smsButton,
          t.languageLabel, t.modelLabel, t.versionLabel};
}

TEST(LauncherTexts, EachLanguageTakesItsOwnTextsAndEnglishForTheRest) {
  const ExpectedTexts expected[] = {
      {3, {"Kamera Einstellungen", "MMS Einstellungen", "GPRS Einstellungen", "SMS Einstellungen",
           "Select Language", "Camera Model", "Version:1.0.005"}},
      {4, {"kamera-asetukset", "MMS valikot", "GPRS Setting", "SMS Setting", "Select Language",
           "Camera Model", "Version:1.0.005"}},
      {8, {"Nast. kamere", "Nastavi MMS", "GPRS nastavitve", "SMS nastavitve", "Select Language",
           "Model Kamera", "Version:1.0.005"}},
      {9, {"Nastaveni", "Nastaveni MMS", "Nastaveni GPRS", "SMS Setting", "Zvolit Jazyk",
           "Fotopast Model", "Version:1.0.005"}},
      {10, {"本体設定", "MMS設定", "GPRS 設定", "SMS Setting", "Select Language", "Camera Model",
            "Version:1.0.005"}},
      {11, {" Kameros nustat.", "MMS nustat.", "GPRS nustat.", "SMS Setting", "Select Language",
            "Camera Model", "Version:1.0.005"}},
  };
  for (const ExpectedTexts& language : expected) {
    EXPECT_EQ(AsList(LauncherTextsFor(language.code)), language.texts) << language.code;
  }
}

}  // namespace
}  // namespace quelmo
