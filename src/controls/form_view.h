#pragma once
// The window as the form logic sees it: controls addressed by their dialog
// resource ids, standard types only. The Qt host implements it from the dialog
// templates; tests use a fake that records what the logic did.
//
// Everything the logic sets through this interface is programmatic and raises
// no change event; only the user's own actions reach the logic (FormLogic).
//
// A question (AskYesNo, ChooseFolder, ChooseFile) is answered through the
// callback it is given: a host whose dialogs are modal calls it before the
// question returns, one that cannot wait (a sheet, a web page) later, on the
// window's thread. Either way it is called at most once, and never once the
// view is gone: a window that ends with a question open drops the answer.
// Whoever asks must therefore not rely on anything after the call.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

using ControlId = int;

// The answer to AskYesNo: true for Yes.
using YesNoAnswer = std::function<void(bool yes)>;
// The answer to ChooseFolder or ChooseFile: nullopt when cancelled.
using PathAnswer = std::function<void(std::optional<std::string> path)>;

// Ids every dialog shares: Enter sends kIdOk, Esc and the close box kIdCancel.
inline constexpr ControlId kIdOk = 1;
inline constexpr ControlId kIdCancel = 2;
// What the Cancel button (or the close box) of a progress window sends.
inline constexpr ControlId kIdProgressCancel = 3;

enum class MessageIcon {
  kApp,      // the program's own message box: its icon, caption AppTitle
  kWarning,  // the framework's standard message (range, length, not a number)
};

class FormView {
 public:
  virtual ~FormView() = default;

  virtual void SetTitle(std::string_view text) = 0;

  // Labels, buttons, group boxes and edits. Texts are UTF-8.
  //
  // A text the control already shows is left as it is: an edit keeps its
  // caret and selection, and no change event is sent. So the logic may put
  // every field back after each keystroke without the caret jumping away
  // from where the user is typing. A new text puts an edit's caret at its
  // end, with nothing selected.
  virtual void SetText(ControlId id, std::string_view text) = 0;
  virtual std::string Text(ControlId id) const = 0;

  // Drop-down lists: replaces the entries; the selection becomes none (-1).
  virtual void SetItems(ControlId id, const std::vector<std::string>& items) = 0;
  virtual void SetSelection(ControlId id, int index) = 0;  // -1 or out of range: none
  virtual int Selection(ControlId id) const = 0;           // -1 when none

  virtual void SetReadOnly(ControlId id, bool read_only) = 0;
  virtual void SetEnabled(ControlId id, bool enabled) = 0;
  // Typing stops at this many bytes of the stored code page (GBK), and only
  // characters that code page holds can be typed: for texts that go into a
  // setting file.
  virtual void SetByteLimit(ControlId id, int bytes) = 0;
  // Typing stops at this many characters, of any kind: for texts that stay on
  // the PC, such as a folder.
  virtual void SetCharacterLimit(ControlId id, int characters) = 0;
  // Gives the control the focus with its whole text selected.
  virtual void FocusAndSelectAll(ControlId id) = 0;

  // A modal message box with one OK button; caption AppTitle.
  virtual void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kApp) = 0;
  // A question with Yes and No buttons over the window; caption AppTitle.
  virtual void AskYesNo(std::string_view text, YesNoAnswer answer) = 0;
  // A small window over this one showing `text` and a Cancel button while
  // work goes on elsewhere; the form stays usable. Shown when not shown,
  // else its text is replaced. Its Cancel (or close box) closes it and
  // reaches the logic as Clicked(kIdProgressCancel).
  virtual void ShowProgress(std::string_view text) = 0;
  // Closes the progress window when it is shown; sends nothing.
  virtual void CloseProgress() = 0;
  // The folder browser, opened at `start_folder`; answers nullopt or an
  // empty text when cancelled.
  virtual void ChooseFolder(std::string_view start_folder, PathAnswer answer) = 0;
  // The file-open dialog with a filter such as
  // "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||"; answers nullopt when
  // cancelled.
  virtual void ChooseFile(std::string_view filter, PathAnswer answer) = 0;
};

}  // namespace quelmo
