#pragma once
// The turns of the program's windows, one visible at a time: it starts with
// a launcher; a form button ends the launcher and opens that form; leaving a
// form opens a fresh launcher; the About window opens modally over the
// launcher, which stays. The loop is over when a launcher ends without a form
// (or a form ends the program).

#include <QObject>

#include <memory>

#include "base/result.h"
#include "qt/qt_translations.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

class DialogAdapter;
class HostedScreen;

class WindowLoop final : public QObject {
  Q_OBJECT

 public:
  WindowLoop(AppContext& context, DialogAdapter& dialogs);
  ~WindowLoop() override;

  // Opens the first launcher. When even that cannot be made the loop is over
  // at once, with the reason in Outcome().
  void Start();

  bool Running() const { return current_ != nullptr; }
  // The launcher or form on screen; nullptr when the loop is over.
  HostedScreen* Current() const { return current_.get(); }
  // The window shown over it (the About window); nullptr when none.
  HostedScreen* Over() const { return over_.get(); }
  // Why the loop ended early; ok when it ended as the user chose.
  const Status& Outcome() const { return outcome_; }

 signals:
  void finished();

 private:
  void Open(Next which);
  void OpenOver(Next which);
  void OnNext(Next next);
  void OnNextOver(Next next);
  void Retire(std::unique_ptr<HostedScreen> screen);
  void Finish(Status outcome);

  AppContext& context_;
  DialogAdapter& dialogs_;
  // Qt's own buttons follow the language each window opens in.
  QtTranslations translations_;
  std::unique_ptr<HostedScreen> current_;
  std::unique_ptr<HostedScreen> over_;
  Status outcome_;
};

}  // namespace quelmo
