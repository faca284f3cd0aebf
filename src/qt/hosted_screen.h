#pragma once
// One window of the program at work: the DialogWindow built from the screen's
// dialog template, the view over it, the screen's logic, and the balloon
// hint's window when the logic has a hint. It passes the user's actions to the
// logic and hands on whatever the logic says comes next.

#include <QObject>

#include <functional>
#include <memory>

#include "base/result.h"
#include "session/app_context.h"
#include "session/form_logic.h"

class QWidget;

namespace quelmo {

class BalloonWindow;
class DialogAdapter;
class DialogWindow;
class QtFormView;

class HostedScreen final : public QObject {
  Q_OBJECT

 public:
  // Builds the window of `which` (not yet shown) and opens its logic. `over`:
  // the window it is shown over, modally (the About window over the launcher,
  // the operator finder over a form), and `beneath` that window's screen,
  // whose logic may make this one's.
  static Result<std::unique_ptr<HostedScreen>> Make(Next which, AppContext& context,
                                                    DialogAdapter& dialogs,
                                                    QWidget* over = nullptr,
                                                    HostedScreen* beneath = nullptr);
  ~HostedScreen() override;

  Next Which() const { return which_; }
  DialogWindow& Window() { return *window_; }

  // Hides the window and its balloon, which is a window of its own.
  void Hide();

  // Called with every answer of the logic other than kStay. After an answer
  // that ends the window (anything but opening a window over it), the window takes no more
  // actions.
  void SetOnNext(std::function<void(Next)> on_next) { on_next_ = std::move(on_next); }

 private:
  HostedScreen(Next which, std::unique_ptr<DialogWindow> window, DialogAdapter& dialogs);
  void Connect();
  void AttachHint();
  void Apply(Next next);

  Next which_;
  std::unique_ptr<DialogWindow> window_;
  std::unique_ptr<QtFormView> view_;
  std::unique_ptr<FormLogic> logic_;
  BalloonWindow* balloon_ = nullptr;  // a child of the window
  std::function<void(Next)> on_next_;
  bool ended_ = false;
};

}  // namespace quelmo
