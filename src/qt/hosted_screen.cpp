#include "qt/hosted_screen.h"

#include <QString>

#include "qt/balloon_window.h"
#include "qt/dialog_adapter.h"
#include "qt/dialog_window.h"
#include "qt/qt_form_view.h"

namespace quelmo {
namespace {

// A screen that ended, kept until the event loop takes it back.
class RetiredScreen final : public QObject {
 public:
  explicit RetiredScreen(std::unique_ptr<Screen> screen) : screen_(std::move(screen)) {}

 private:
  std::unique_ptr<Screen> screen_;
};

}  // namespace

HostedScreen::HostedScreen(Next which, DialogTemplate layout, QWidget* over,
                           DialogAdapter& dialogs, ScreenEvents& events)
    : which_(which), window_(std::make_unique<DialogWindow>(std::move(layout), over)) {
  if (over != nullptr) window_->setWindowModality(Qt::WindowModal);
  view_ = std::make_unique<QtFormView>(*window_, dialogs);
  Connect(events);
}

HostedScreen::~HostedScreen() {
  ReleaseLogic();
  view_.reset();
  window_.reset();
}

FormView& HostedScreen::View() { return *view_; }

void HostedScreen::AttachHint(BalloonHint& hint) {
  if (balloon_ == nullptr) balloon_ = new BalloonWindow(hint, *window_);
}

void HostedScreen::Opened(FormLogic& logic) {
  if (window_->Template().systemMenuCommand == 0) return;
  window_->SetSystemMenuEntry([&logic] { return QString::fromStdString(logic.SystemMenuEntry()); });
}

void HostedScreen::ReleaseLogic() {
  // The balloon detaches from the hint, which the logic owns.
  delete balloon_;
  balloon_ = nullptr;
  if (window_ != nullptr) window_->SetSystemMenuEntry({});
}

void HostedScreen::Show() { window_->show(); }

void HostedScreen::Hide() {
  if (balloon_ != nullptr) balloon_->hide();
  window_->hide();
}

void HostedScreen::Connect(ScreenEvents& events) {
  DialogWindow* window = window_.get();
  ScreenEvents* to = &events;
  connect(window, &DialogWindow::clicked, this, [to](int id) { to->Clicked(id); });
  connect(window, &DialogWindow::selectionChanged, this, [to](int id) { to->SelectionChanged(id); });
  connect(window, &DialogWindow::textEdited, this, [to](int id) { to->TextEdited(id); });
  connect(window, &DialogWindow::focusLeft, this, [to](int id) { to->FocusLeft(id); });
  connect(window, &DialogWindow::systemCommand, this, [to](int id) { to->SystemCommand(id); });
}

HostedScreen& QtScreenHost::WindowOf(Screen& screen) {
  return static_cast<HostedScreen&>(screen.Window());
}

Result<std::unique_ptr<ScreenWindow>> QtScreenHost::MakeWindow(Next which,
                                                                const DialogTemplate& layout,
                                                                int language, ScreenWindow* over,
                                                                ScreenEvents& events) {
  translations_.Use(language);
  QWidget* parent = over != nullptr ? &static_cast<HostedScreen*>(over)->Window() : nullptr;
  return std::unique_ptr<ScreenWindow>(
      std::make_unique<HostedScreen>(which, layout, parent, dialogs_, events));
}

void QtScreenHost::ShowMessage(std::string_view text) {
  dialogs_.ShowMessage(nullptr, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       MessageIcon::kWarning);
}

void QtScreenHost::Retire(std::unique_ptr<Screen> screen) {
  // It may be in the middle of handling the event that ended it.
  (new RetiredScreen(std::move(screen)))->deleteLater();
}

}  // namespace quelmo
