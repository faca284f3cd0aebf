#pragma once
// The modal dialogs a window opens for its logic: message boxes, the folder
// browser and the file-open dialog. The view calls them through this
// interface so that tests can answer them instead of a user.

#include <optional>
#include <string>
#include <string_view>

#include "controls/form_view.h"
#include "win32/win32_api.h"

namespace quelmo {

class NativeDialogs {
 public:
  virtual ~NativeDialogs() = default;
  // A message box over `owner` with caption AppTitle and one OK button: the
  // program's icon for kApp, the exclamation icon for kWarning.
  virtual void ShowMessage(HWND owner, std::string_view text, MessageIcon icon) = 0;
  // A question over `owner` with caption AppTitle and Yes and No buttons;
  // true for Yes.
  virtual bool AskYesNo(HWND owner, std::string_view text) = 0;
  // The folder browser, opened at `start`; nullopt when cancelled.
  virtual std::optional<std::string> ChooseFolder(HWND owner, std::string_view start) = 0;
  // The file-open dialog with a filter such as
  // "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||"; nullopt when cancelled.
  virtual std::optional<std::string> ChooseFile(HWND owner, std::string_view filter) = 0;
};

// The system's own dialogs.
class SystemDialogs final : public NativeDialogs {
 public:
  void ShowMessage(HWND owner, std::string_view text, MessageIcon icon) override;
  bool AskYesNo(HWND owner, std::string_view text) override;
  std::optional<std::string> ChooseFolder(HWND owner, std::string_view start) override;
  std::optional<std::string> ChooseFile(HWND owner, std::string_view filter) override;
};

// A filter of the form "Name (*.dat)|*.dat|All Files (*.*)|*.*||" as the
// file-open dialog takes it: each '|' becomes a zero, ending in two zeros.
std::wstring OpenFileFilter(std::string_view filter);

// The resource id of the program's icon.
inline constexpr int kAppIconResource = 128;

}  // namespace quelmo
