#include "qt/hosted_screen.h"

#include <QString>

#include "dialogs/dialog_template.h"
#include "qt/balloon_window.h"
#include "qt/dialog_window.h"
#include "qt/qt_form_view.h"
#include "screens/screens.h"
#include "session/turns.h"

namespace quelmo {

HostedScreen::HostedScreen(Next which, std::unique_ptr<DialogWindow> window, DialogAdapter& dialogs)
    : which_(which),
      window_(std::move(window)),
      view_(std::make_unique<QtFormView>(*window_, dialogs)) {}

HostedScreen::~HostedScreen() {
  // The balloon detaches from the hint, which the logic owns: it goes first.
  delete balloon_;
  balloon_ = nullptr;
  logic_.reset();
  view_.reset();
  window_.reset();
}

Result<std::unique_ptr<HostedScreen>> HostedScreen::Make(Next which, AppContext& context,
                                                         DialogAdapter& dialogs, QWidget* over,
                                                         HostedScreen* beneath) {
  const int resource = DialogResourceOf(which);
  if (resource == 0) {
    return Error{ErrorCode::kInvalidArgument, "this step of the program has no window"};
  }
  Result<DialogTemplate> dialog = LoadDialogTemplate(resource);
  if (!dialog) return dialog.error();

  auto window = std::make_unique<DialogWindow>(std::move(dialog).value(), over);
  if (over != nullptr) window->setWindowModality(Qt::WindowModal);
  std::unique_ptr<HostedScreen> screen(new HostedScreen(which, std::move(window), dialogs));
  screen->logic_ = beneath != nullptr
                       ? MakeScreenOver(which, *screen->view_, context, *beneath->logic_)
                       : MakeScreen(which, *screen->view_, context);
  if (screen->logic_ == nullptr) {
    return Error{ErrorCode::kUnavailable,
                 "dialog resource " + std::to_string(resource) + " has no logic in this build"};
  }
  // A hint made with the logic gets its window before the logic opens; one
  // made while opening gets it right after.
  screen->AttachHint();
  screen->logic_->Open();
  screen->AttachHint();
  if (screen->window_->Template().systemMenuCommand != 0) {
    FormLogic* logic = screen->logic_.get();
    screen->window_->SetSystemMenuEntry(
        [logic] { return QString::fromStdString(logic->SystemMenuEntry()); });
  }
  screen->Connect();
  return screen;
}

void HostedScreen::Hide() {
  if (balloon_ != nullptr) balloon_->hide();
  window_->hide();
}

void HostedScreen::AttachHint() {
  if (balloon_ != nullptr) return;
  if (BalloonHint* hint = logic_->Hint()) balloon_ = new BalloonWindow(*hint, *window_);
}

void HostedScreen::Connect() {
  DialogWindow* window = window_.get();
  connect(window, &DialogWindow::clicked, this, [this](int id) {
    if (!ended_) Apply(logic_->Clicked(id));
  });
  connect(window, &DialogWindow::selectionChanged, this, [this](int id) {
    if (!ended_) Apply(logic_->SelectionChanged(id));
  });
  connect(window, &DialogWindow::textEdited, this, [this](int id) {
    if (!ended_) Apply(logic_->TextEdited(id));
  });
  connect(window, &DialogWindow::focusLeft, this, [this](int id) {
    if (!ended_) Apply(logic_->FocusLeft(id));
  });
  connect(window, &DialogWindow::systemCommand, this, [this](int id) {
    if (!ended_) Apply(logic_->SystemCommand(id));
  });
}

void HostedScreen::Apply(Next next) {
  if (next == Next::kStay) return;
  if (TurnAfter(next) != Turn::kOpenOver) ended_ = true;
  if (on_next_) on_next_(next);
}

}  // namespace quelmo
