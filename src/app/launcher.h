#pragma once
// The launcher: pick the language of all texts and the camera model, then
// open one of the four setting forms. Language and model changes are stored
// at once, so later launchers and the next run start with them.

#include <string>

#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

inline constexpr int kLauncherDialogResource = 102;

enum LauncherControl : ControlId {
  kLauncherCameraButton = 1000,
  kLauncherMmsButton = 1001,
  kLauncherSmtpButton = 1002,
  kLauncherSmsButton = 1003,
  kLauncherVersionLabel = 1077,
  kLauncherLanguageLabel = 1078,
  kLauncherModelLabel = 1079,
  kLauncherLanguageList = 1080,
  kLauncherModelList = 1081,
};

// The system-menu command that opens the About window.
inline constexpr int kCopyRightCommand = 16;

class LauncherLogic final : public FormLogic {
 public:
  LauncherLogic(FormView& view, AppContext& context);

  void Open() override;
  // A form button opens its form; Enter or Esc / the close box end the
  // launcher without a form, which ends the program.
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;

  // The entry the host appends, after a separator, to the window's system
  // menu with command id kCopyRightCommand.
  std::string SystemMenuEntry() const override;
  // kAbout for kCopyRightCommand; kStay for every other command, which gets
  // the system's own handling.
  Next SystemCommand(int id) const;

 private:
  void ApplyTexts();
  void FillLanguageList(int selection);
  int LanguageSelectionAtOpening() const;
  void LanguagePicked(int position);
  void ModelPicked(int position);

  FormView& view_;
  AppContext& context_;
};

}  // namespace quelmo
