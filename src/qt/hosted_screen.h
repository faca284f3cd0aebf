#pragma once
// The Qt host's side of the screens (screens/screen.h): each window a
// DialogWindow built from the screen's dialog template, with the view over
// it and the balloon of the logic's hint; messages through the dialog
// adapter; a screen that ended deleted once back in the event loop.

#include <QObject>

#include <memory>

#include "session/form_logic.h"
#include "qt/qt_translations.h"
#include "screens/screen.h"

class QWidget;

namespace quelmo {

class BalloonWindow;
class DialogAdapter;
class DialogWindow;
class QtFormView;

class HostedScreen final : public QObject, public ScreenWindow {
  Q_OBJECT

 public:
  // The window of `which` (not yet shown), over `over` modally when given;
  // the user's actions in it go to `events`.
  HostedScreen(Next which, DialogTemplate layout, QWidget* over, DialogAdapter& dialogs,
               ScreenEvents& events);
  ~HostedScreen() override;

  Next Which() const { return which_; }
  DialogWindow& Window() { return *window_; }

  FormView& View() override;
  void AttachHint(BalloonHint& hint) override;
  void Opened(FormLogic& logic) override;
  void ReleaseLogic() override;
  void Show() override;
  // Hides the window and its balloon, which is a window of its own.
  void Hide() override;

 private:
  void Connect(ScreenEvents& events);

  Next which_;
  std::unique_ptr<DialogWindow> window_;
  std::unique_ptr<QtFormView> view_;
  BalloonWindow* balloon_ = nullptr;  // a child of the window
};

class QtScreenHost final : public ScreenHost {
 public:
  explicit QtScreenHost(DialogAdapter& dialogs) : dialogs_(dialogs) {}

  // The window of a screen this host made.
  static HostedScreen& WindowOf(Screen& screen);

  Result<std::unique_ptr<ScreenWindow>> MakeWindow(Next which, const DialogTemplate& layout,
                                                    int language, ScreenWindow* over,
                                                    ScreenEvents& events) override;
  void ShowMessage(std::string_view text) override;
  void Retire(std::unique_ptr<Screen> screen) override;

 private:
  DialogAdapter& dialogs_;
  // Qt's own buttons follow the language each window opens in.
  QtTranslations translations_;
};

}  // namespace quelmo
