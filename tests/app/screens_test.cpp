#include "screens/screens.h"

#include <gtest/gtest.h>

#include "session/turns.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

class ScreensTest : public testing::Test {
 protected:
  std::unique_ptr<FormLogic> Open(Next window) {
    std::unique_ptr<FormLogic> logic = MakeScreen(window, view_, context_);
    if (logic != nullptr) logic->Open();
    return logic;
  }

  FakePreferenceBackend backend_;
  PreferenceStore store_{backend_, 0x0409};
  AppState state_;
  AppContext context_{state_, store_, SystemFileSystem(), SystemLocalClock(), "/"};
  FakeView view_;
};

TEST_F(ScreensTest, EachWindowHasItsDialogTemplate) {
  EXPECT_EQ(DialogResourceOf(Next::kLauncher), 102);
  EXPECT_EQ(DialogResourceOf(Next::kAbout), 100);
  EXPECT_EQ(DialogResourceOf(Next::kCameraForm), 129);
  EXPECT_EQ(DialogResourceOf(Next::kMmsForm), 130);
  EXPECT_EQ(DialogResourceOf(Next::kSmtpForm), 147);
  EXPECT_EQ(DialogResourceOf(Next::kSmsForm), 155);
  EXPECT_EQ(DialogResourceOf(Next::kOperatorFinder), 1200);
  // Only the form beneath makes the finder: it fills that form.
  EXPECT_EQ(MakeScreen(Next::kOperatorFinder, view_, context_), nullptr);
  EXPECT_EQ(DialogResourceOf(Next::kQuit), 0);
  EXPECT_EQ(MakeScreen(Next::kQuit, view_, context_), nullptr);
  EXPECT_EQ(MakeScreen(Next::kStay, view_, context_), nullptr);
}

TEST_F(ScreensTest, AboutClosesOverTheLauncherByOkOrEsc) {
  const std::unique_ptr<FormLogic> about = Open(Next::kAbout);
  EXPECT_EQ(view_.Title(), "About Setup");
  EXPECT_EQ(about->Clicked(kIdOk), Next::kClose);
  EXPECT_EQ(about->Clicked(kIdCancel), Next::kClose);
}

TEST_F(ScreensTest, FormsWithoutTheirLogicYetOpenWithTheModelTitleAndLeaveToTheLauncher) {
  for (const Next form : {Next::kMmsForm, Next::kSmtpForm}) {
    const std::unique_ptr<FormLogic> logic = Open(form);
    ASSERT_NE(logic, nullptr);
    EXPECT_EQ(view_.Title(), "Quelmo K300X");
    EXPECT_EQ(logic->Clicked(kIdCancel), Next::kLauncher);
    EXPECT_EQ(logic->Clicked(kIdOk), Next::kStay);  // Enter on no button ends no form
  }
}

TEST_F(ScreensTest, TheFinderOpensOverTheMmsAndGprsFormsOnly) {
  context_.operatorDatabase = []() -> Result<const OperatorDatabase*> {
    return Error{ErrorCode::kNotFound, "none here"};
  };
  for (const Next form : {Next::kMmsForm, Next::kSmtpForm, Next::kCameraForm, Next::kSmsForm}) {
    const std::unique_ptr<FormLogic> beneath = Open(form);
    FakeView over;
    const bool offers = form == Next::kMmsForm || form == Next::kSmtpForm;
    EXPECT_EQ(MakeScreenOver(Next::kOperatorFinder, over, context_, *beneath) != nullptr, offers)
        << DialogResourceOf(form);
    EXPECT_NE(MakeScreenOver(Next::kAbout, over, context_, *beneath), nullptr);
  }
  EXPECT_EQ(TurnAfter(Next::kOperatorFinder), Turn::kOpenOver);
}

TEST_F(ScreensTest, LauncherComesFromTheSharedState) {
  state_.languageIndex = 3;
  const std::unique_ptr<FormLogic> launcher = Open(Next::kLauncher);
  EXPECT_EQ(view_.Title(), "Quelmo");
  EXPECT_EQ(view_.Text(1000), "Kamera Einstellungen");
}

}  // namespace
}  // namespace quelmo
