#pragma once
// The turns of the program's windows (screens/screen_stack.h) in Qt's event
// loop: the stack over the Qt host's windows, and a signal when it is over.

#include <QObject>

#include "session/app_context.h"
#include "base/result.h"
#include "qt/hosted_screen.h"
#include "screens/screen_stack.h"

namespace quelmo {

class DialogAdapter;

class WindowLoop final : public QObject {
  Q_OBJECT

 public:
  // `maker`: the windows' logic; none: the program's own.
  WindowLoop(AppContext& context, DialogAdapter& dialogs, ScreenMaker maker = {});
  ~WindowLoop() override;

  // Opens the first launcher. When even that cannot be made the loop is over
  // at once, with the reason in Outcome().
  void Start() { stack_.Start(); }

  bool Running() const { return stack_.Running(); }
  // The launcher or form on screen; nullptr when the loop is over.
  HostedScreen* Current() const { return WindowOf(stack_.Current()); }
  // The window shown over it (the About window); nullptr when none.
  HostedScreen* Over() const { return WindowOf(stack_.Over()); }
  // Why the loop ended early; ok when it ended as the user chose.
  const Status& Outcome() const { return stack_.Outcome(); }

 signals:
  void finished();

 private:
  static HostedScreen* WindowOf(Screen* screen) {
    return screen != nullptr ? &QtScreenHost::WindowOf(*screen) : nullptr;
  }

  QtScreenHost host_;
  ScreenStack stack_;
};

}  // namespace quelmo
