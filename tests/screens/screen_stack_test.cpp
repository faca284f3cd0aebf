// The window turns and the assembly of each screen, once for every host:
// driven through a host whose windows are fake views, with logics that
// answer as a script says and note what was done to them.

#include "screens/screen_stack.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/balloon_hint.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

std::string NameOf(Next which) {
  switch (which) {
    case Next::kLauncher: return "launcher";
    case Next::kAbout: return "about";
    case Next::kCameraForm: return "camera";
    case Next::kMmsForm: return "mms";
    case Next::kOperatorFinder: return "finder";
    default: return "other";
  }
}

using Journal = std::vector<std::string>;

// A window of the fake host: a fake view, and a note of each thing the
// screen asked of it.
class FakeWindow final : public ScreenWindow {
 public:
  FakeWindow(Next which, FakeWindow* over, ScreenEvents& events, Journal& journal)
      : name_(NameOf(which)), over_(over), events_(events), journal_(journal) {
    journal_.push_back("make " + name_ + (over != nullptr ? " over " + over->name_ : ""));
  }
  ~FakeWindow() override { journal_.push_back("destroy " + name_); }

  ScreenEvents& Events() { return events_; }
  bool Shown() const { return shown_; }
  BalloonHint* Hint() const { return hint_; }

  FormView& View() override { return view_; }
  void AttachHint(BalloonHint& hint) override {
    hint_ = &hint;
    journal_.push_back("hint " + name_);
  }
  void Opened(FormLogic&) override { journal_.push_back("opened " + name_); }
  void ReleaseLogic() override {
    hint_ = nullptr;
    journal_.push_back("release " + name_);
  }
  void Show() override {
    shown_ = true;
    journal_.push_back("show " + name_);
  }
  void Hide() override {
    shown_ = false;
    journal_.push_back("hide " + name_);
  }
  FakeView& Fake() { return view_; }

 private:
  std::string name_;
  FakeWindow* over_;
  ScreenEvents& events_;
  Journal& journal_;
  FakeView view_;
  BalloonHint* hint_ = nullptr;
  bool shown_ = false;
};

class FakeHost final : public ScreenHost {
 public:
  Result<std::unique_ptr<ScreenWindow>> MakeWindow(Next which, const DialogTemplate& layout,
                                                    int language, ScreenWindow* over,
                                                    ScreenEvents& events) override {
    templates.push_back(layout.id);
    languages.push_back(language);
    if (which == failing) return Error{ErrorCode::kUnavailable, "no window for " + NameOf(which)};
    return std::unique_ptr<ScreenWindow>(
        std::make_unique<FakeWindow>(which, static_cast<FakeWindow*>(over), events, journal));
  }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void Retire(std::unique_ptr<Screen> screen) override {
    journal.push_back("retire " + NameOf(screen->Which()));
    retired.push_back(std::move(screen));
  }

  Journal journal;
  std::vector<int> templates;
  std::vector<int> languages;
  std::vector<std::string> messages;
  std::vector<std::unique_ptr<Screen>> retired;
  std::optional<Next> failing;
};

// Button ids of the scripted logics.
constexpr ControlId kAnswerButton = 10;  // answers as the script says
constexpr ControlId kNoteButton = 11;    // answers kStay, noting the click

// A logic that answers kAnswerButton with the next answer scripted for its
// window, and notes the events it gets.
class ScriptedLogic final : public FormLogic {
 public:
  ScriptedLogic(Next which, FormView& view, std::map<Next, std::vector<Next>>& script,
                Journal& journal, bool hint_at_make, bool hint_at_open)
      : name_(NameOf(which)), view_(view), script_(script[which]), journal_(journal) {
    if (hint_at_make) hint_ = std::make_unique<BalloonHint>();
    hint_at_open_ = hint_at_open;
  }
  ~ScriptedLogic() override { journal_.push_back("end " + name_); }
  const std::string& Name() const { return name_; }

  void Open() override {
    journal_.push_back("open " + name_);
    view_.SetTitle(name_);
    if (hint_at_open_) hint_ = std::make_unique<BalloonHint>();
  }
  Next Clicked(ControlId id) override {
    journal_.push_back("click " + name_);
    if (id != kAnswerButton || script_.empty()) return Next::kStay;
    const Next next = script_.front();
    script_.erase(script_.begin());
    return next;
  }
  Next SystemCommand(int id) const override {
    return id == kAnswerButton ? Next::kAbout : Next::kStay;
  }
  BalloonHint* Hint() override { return hint_.get(); }

 private:
  std::string name_;
  FormView& view_;
  std::vector<Next>& script_;
  Journal& journal_;
  std::unique_ptr<BalloonHint> hint_;
  bool hint_at_open_ = false;
};

class ScreenStackTest : public ::testing::Test {
 protected:
  ScreenStackTest() {
    stack_.SetOnFinished([this] { ++finished_; });
  }

  ScreenMaker Maker() {
    return [this](Next which, FormView& view, FormLogic* beneath) -> std::unique_ptr<FormLogic> {
      makes_.push_back(NameOf(which) + (beneath != nullptr ? " on a logic beneath" : ""));
      // Only the MMS form makes the finder over it, as the program's forms do.
      const auto* form = dynamic_cast<ScriptedLogic*>(beneath);
      if (which == Next::kOperatorFinder && (form == nullptr || form->Name() != "mms")) {
        return nullptr;
      }
      if (which == Next::kQuit) return nullptr;
      return std::make_unique<ScriptedLogic>(which, view, script_, host_.journal,
                                             which == Next::kMmsForm, which == Next::kCameraForm);
    };
  }
  FakeWindow& Front() { return static_cast<FakeWindow&>(stack_.Front()->Window()); }
  // The user presses the scripted button in the window in front.
  void Answer(Next next) {
    script_[stack_.Front()->Which()].push_back(next);
    Front().Events().Clicked(kAnswerButton);
  }

  FakeHost host_;
  std::map<Next, std::vector<Next>> script_;
  std::vector<std::string> makes_;
  int language_ = 2;
  int finished_ = 0;
  ScreenStack stack_{host_, Maker(), [this] { return language_; }};
};

TEST_F(ScreenStackTest, EachScreenIsMadeOpenedAndShownInOrder) {
  stack_.Start();
  ASSERT_TRUE(stack_.Running());
  EXPECT_EQ(stack_.Current()->Which(), Next::kLauncher);
  EXPECT_THAT(host_.journal, ElementsAre("make launcher", "open launcher", "opened launcher",
                                         "show launcher"));
  EXPECT_EQ(Front().Fake().Title(), "launcher") << "the logic drives the window's view";
  EXPECT_THAT(host_.templates, ElementsAre(102));

  // A hint made with the logic is attached before it opens, one made while
  // opening right after; either way before the window is shown.
  for (const Next form : {Next::kMmsForm, Next::kCameraForm}) {
    host_.journal.clear();
    Answer(form);
    const std::string name = NameOf(form);
    const std::vector<std::string> made(host_.journal.end() - 5, host_.journal.end());
    if (form == Next::kMmsForm) {
      EXPECT_THAT(made, ElementsAre("make mms", "hint mms", "open mms", "opened mms", "show mms"));
    } else {
      EXPECT_THAT(made,
                  ElementsAre("make camera", "open camera", "hint camera", "opened camera",
                              "show camera"));
    }
    EXPECT_NE(Front().Hint(), nullptr);
    Answer(Next::kLauncher);
  }
  EXPECT_THAT(host_.templates, ElementsAre(102, 130, 102, 129, 102));
}

// What each answer of the window in front does, from a launcher with the
// About window over it or not.
TEST_F(ScreenStackTest, EachAnswerTakesItsTurn) {
  const struct {
    const char* name;
    bool about_open;
    Next answer;
    std::optional<Next> current;  // nullopt: the stack is over
    bool over_after;
    bool launcher_replaced;
  } cases[] = {
      {"a form replaces the launcher", false, Next::kCameraForm, Next::kCameraForm, false, true},
      {"About opens over the launcher", false, Next::kAbout, Next::kLauncher, true, false},
      {"a fresh launcher replaces the launcher", false, Next::kLauncher, Next::kLauncher, false, true},
      {"quit ends the program", false, Next::kQuit, std::nullopt, false, true},
      {"close ends the program from a launcher", false, Next::kClose, std::nullopt, false, true},
      {"staying changes nothing", false, Next::kStay, Next::kLauncher, false, false},
      {"closing About leaves the launcher", true, Next::kClose, Next::kLauncher, false, false},
      {"staying in About keeps it", true, Next::kStay, Next::kLauncher, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    int finished = 0;
    ScreenStack stack(host, Maker(), [] { return 2; });
    stack.SetOnFinished([&finished] { ++finished; });
    stack.Start();
    Screen* launcher = stack.Current();
    if (c.about_open) {
      script_[Next::kLauncher] = {Next::kAbout};
      launcher->Clicked(kAnswerButton);
      ASSERT_NE(stack.Over(), nullptr);
    }
    script_[stack.Front()->Which()] = {c.answer};
    stack.Front()->Clicked(kAnswerButton);

    EXPECT_EQ(stack.Running(), c.current.has_value());
    if (c.current) {
      EXPECT_EQ(stack.Current()->Which(), *c.current);
      EXPECT_TRUE(static_cast<FakeWindow&>(stack.Current()->Window()).Shown());
    }
    EXPECT_EQ(stack.Over() != nullptr, c.over_after);
    EXPECT_EQ(finished, c.current ? 0 : 1);
    EXPECT_TRUE(stack.Outcome().ok());
    EXPECT_EQ(stack.Current() != launcher, c.launcher_replaced);
    // What ended is hidden and handed to the host, not destroyed under the
    // event that ended it.
    for (const auto& retired : host.retired) {
      EXPECT_FALSE(static_cast<FakeWindow&>(retired->Window()).Shown());
      EXPECT_TRUE(retired->Ended());
    }
  }
}

TEST_F(ScreenStackTest, AWindowOverAnotherIsMadeByTheLogicBeneathAndEndsFirst) {
  stack_.Start();
  Answer(Next::kMmsForm);
  Screen* form = stack_.Current();
  host_.retired.clear();
  makes_.clear();
  host_.journal.clear();
  Answer(Next::kOperatorFinder);
  ASSERT_NE(stack_.Over(), nullptr);
  EXPECT_THAT(makes_, ElementsAre("finder on a logic beneath"));
  EXPECT_THAT(host_.journal, Contains("make finder over mms"));
  EXPECT_FALSE(form->Ended()) << "the form beneath stays";

  // Leaving the form with the finder still open ends the finder first.
  host_.journal.clear();
  static_cast<FakeWindow&>(form->Window()).Events().Clicked(kNoteButton);
  script_[Next::kMmsForm] = {Next::kLauncher};
  form->Clicked(kAnswerButton);
  EXPECT_THAT(std::vector<std::string>(host_.journal.begin(), host_.journal.begin() + 5),
              ElementsAre("click mms", "click mms", "hide finder", "retire finder", "hide mms"));
  EXPECT_EQ(stack_.Over(), nullptr);
  EXPECT_EQ(stack_.Current()->Which(), Next::kLauncher);

  // A retired screen goes in this order: the window lets go of the logic,
  // the logic ends, then the window.
  host_.journal.clear();
  host_.retired.clear();
  EXPECT_THAT(host_.journal, ElementsAre("release finder", "end finder", "destroy finder",
                                         "release mms", "end mms", "destroy mms"));
}

TEST_F(ScreenStackTest, AnEndedScreenTakesNoMoreActions) {
  stack_.Start();
  Screen* launcher = stack_.Current();
  Answer(Next::kCameraForm);
  host_.journal.clear();
  launcher->Clicked(kNoteButton);
  launcher->SelectionChanged(1);
  launcher->TextEdited(1);
  launcher->FocusLeft(1);
  EXPECT_FALSE(launcher->SystemCommand(kAnswerButton));
  EXPECT_TRUE(host_.journal.empty());
  EXPECT_EQ(stack_.Current()->Which(), Next::kCameraForm);
}

TEST_F(ScreenStackTest, SystemCommandsTheLogicLeavesGoToTheSystem) {
  stack_.Start();
  EXPECT_FALSE(stack_.Current()->SystemCommand(kNoteButton));
  EXPECT_EQ(stack_.Over(), nullptr);
  EXPECT_TRUE(stack_.Current()->SystemCommand(kAnswerButton));
  ASSERT_NE(stack_.Over(), nullptr);
  EXPECT_EQ(stack_.Over()->Which(), Next::kAbout);
}

TEST_F(ScreenStackTest, WindowsOpenInTheLanguageOfTheMomentTheyAreMade) {
  stack_.Start();
  language_ = 3;  // the launcher changed it
  Answer(Next::kCameraForm);
  Answer(Next::kLauncher);
  EXPECT_THAT(host_.languages, ElementsAre(2, 3, 3));
}

TEST_F(ScreenStackTest, WhatCannotBeMadeIsSaid) {
  // A form: the user is back at a launcher.
  host_.failing = Next::kCameraForm;
  stack_.Start();
  Answer(Next::kCameraForm);
  EXPECT_THAT(host_.messages, ElementsAre("no window for camera"));
  ASSERT_TRUE(stack_.Running());
  EXPECT_EQ(stack_.Current()->Which(), Next::kLauncher);

  // A window over another: said over it, which stays.
  host_.failing = Next::kAbout;
  Screen* launcher = stack_.Current();
  Answer(Next::kAbout);
  EXPECT_EQ(stack_.Over(), nullptr);
  EXPECT_EQ(stack_.Current(), launcher);
  FakeView& beneath = static_cast<FakeWindow&>(launcher->Window()).Fake();
  ASSERT_EQ(beneath.Messages().size(), 1u);
  EXPECT_EQ(beneath.Messages()[0].text, "no window for about");
  EXPECT_EQ(beneath.Messages()[0].icon, MessageIcon::kWarning);

  // A window no logic makes: the finder over a launcher.
  Answer(Next::kOperatorFinder);
  EXPECT_EQ(beneath.Messages().back().text, "dialog resource 1200 has no logic in this build");

  // The launcher: the stack is over at once, with the reason.
  FakeHost host;
  host.failing = Next::kLauncher;
  int finished = 0;
  ScreenStack stack(host, Maker(), [] { return 2; });
  stack.SetOnFinished([&finished] { ++finished; });
  stack.Start();
  EXPECT_FALSE(stack.Running());
  EXPECT_EQ(stack.Outcome().message(), "no window for launcher");
  EXPECT_EQ(finished, 1);
}

TEST_F(ScreenStackTest, FinishFromOutsideEndsEverythingOpen) {
  stack_.Start();
  Answer(Next::kAbout);
  stack_.Finish(Status::Ok());
  EXPECT_FALSE(stack_.Running());
  EXPECT_EQ(stack_.Over(), nullptr);
  EXPECT_EQ(finished_, 1);
  ASSERT_EQ(host_.retired.size(), 2u);
  EXPECT_EQ(host_.retired[0]->Which(), Next::kAbout);
  EXPECT_EQ(host_.retired[1]->Which(), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
