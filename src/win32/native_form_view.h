#pragma once
// The form logic's view of a Win32 dialog made from a template. Everything
// set through it is programmatic and raises no event back to the logic: the
// dialog asks Quiet() before it reports a change. It also keeps each edit to
// what may be typed into it (TypingRules), putting back the last accepted
// text when a keystroke or a paste breaks the rules.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "controls/form_view.h"
#include "controls/typing_rules.h"
#include "dialogs/dialog_template.h"
#include "win32/native_dialogs.h"
#include "win32/progress_dialog.h"
#include "win32/win32_api.h"

namespace quelmo {

class NativeFormView final : public FormView {
 public:
  // `language` is the code of the windows' language, for the texts the view
  // adds itself (the progress window's Cancel).
  NativeFormView(HWND dialog, const DialogTemplate& layout, NativeDialogs& dialogs, int language);

  void SetTitle(std::string_view text) override;
  void SetText(ControlId id, std::string_view text) override;
  std::string Text(ControlId id) const override;
  void SetItems(ControlId id, const std::vector<std::string>& items) override;
  void SetSelection(ControlId id, int index) override;
  int Selection(ControlId id) const override;
  void SetReadOnly(ControlId id, bool read_only) override;
  void SetEnabled(ControlId id, bool enabled) override;
  void SetByteLimit(ControlId id, int bytes) override;
  void SetCharacterLimit(ControlId id, int characters) override;
  void FocusAndSelectAll(ControlId id) override;
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  // The dialogs are modal: each answers before the call returns.
  void AskYesNo(std::string_view text, YesNoAnswer answer) override;
  void ShowProgress(std::string_view text) override;
  void CloseProgress() override;
  void ChooseFolder(std::string_view start_folder, PathAnswer answer) override;
  void ChooseFile(std::string_view filter, PathAnswer answer) override;

  // A change the program is making itself: not the user's.
  bool Quiet() const { return quiet_ > 0; }
  // The user changed the text of an edit (or a combo's edit part): true when
  // it may stay, false when the last accepted text was put back.
  bool AcceptTyping(ControlId id);
  // The user picked an entry of a list with an edit part: its text follows
  // at once, so that the logic reads the entry it picked.
  void TakeComboPick(ControlId id);

  // Called with a label, button, group box or list whose texts the program
  // changed, so that they are fitted again.
  void SetOnTextsChanged(std::function<void(HWND)> on_change) {
    on_texts_changed_ = std::move(on_change);
  }

  HWND ControlWindow(ControlId id) const;
  // The progress window; null until first shown.
  const ProgressDialog* Progress() const { return progress_.get(); }
  const ControlTemplate* Layout(ControlId id) const { return layout_.Find(id); }

 private:
  class QuietScope;
  HWND EditWindow(ControlId id) const;
  void SetWindowTextQuietly(HWND window, const std::wstring& text);

  HWND dialog_;
  const DialogTemplate& layout_;
  NativeDialogs& dialogs_;
  std::map<ControlId, TypingRules> rules_;
  std::map<ControlId, std::wstring> accepted_;
  int quiet_ = 0;
  std::function<void(HWND)> on_texts_changed_;
  std::unique_ptr<ProgressDialog> progress_;
  int language_;
};

// The text of a window, whole.
std::wstring WindowText(HWND window);

}  // namespace quelmo
