#include "win32/hosted_dialog.h"

#include <vector>

#include "dialogs/accessible_names.h"
#include "text/utf16.h"
#include "work/escaped_error.h"
#include "win32/balloon_tooltip.h"
#include "win32/dialog_resource.h"
#include "win32/native_form_view.h"
#include "win32/native_text_fit.h"

namespace quelmo {
namespace {

// Posted when the user leaves an edit or list, so that what the logic shows
// then comes after the focus has moved.
constexpr UINT kFocusLeftMessage = WM_APP + 1;
// Posted at the first change of a text: one fit for a whole run of changes.
constexpr UINT kFitTextsMessage = WM_APP + 2;
// Posted when the window's DPI changed, to run once the system has scaled it.
constexpr UINT kRescaleMessage = WM_APP + 3;
// Sent to a per-monitor aware window moved to a monitor of another DPI; the
// headers of older systems lack it.
constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED

HICON AppIcon(int size) {
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconResource), IMAGE_ICON,
                           size, size, LR_DEFAULTCOLOR | LR_SHARED);
  if (icon == nullptr) icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  return static_cast<HICON>(icon);
}

}  // namespace

HostedDialog::HostedDialog(Next which, DialogTemplate layout, int language, NativeDialogs& dialogs,
                           ScreenEvents& events, HWND owner)
    : which_(which),
      layout_(std::move(layout)),
      language_(language),
      dialogs_(dialogs),
      events_(events),
      owner_(owner) {}

HostedDialog::~HostedDialog() {
  ReleaseLogic();
  view_.reset();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
}

Result<std::unique_ptr<HostedDialog>> HostedDialog::Make(Next which, const DialogTemplate& layout,
                                                         int language, NativeDialogs& dialogs,
                                                         ScreenEvents& events, HWND owner) {
  // Made in reading order, each label right before its field: the dialog
  // manager's Tab order, and where screen readers look for a field's name.
  std::unique_ptr<HostedDialog> dialog(
      new HostedDialog(which, InCreationOrder(layout), language, dialogs, events, owner));
  const std::vector<std::uint8_t> bytes = BuildDialogResource(dialog->layout_, owner != nullptr);
  HWND window = CreateDialogIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner, Procedure,
      reinterpret_cast<LPARAM>(dialog.get()));
  if (window == nullptr) {
    return Error{ErrorCode::kUnavailable, "the window of dialog resource " +
                                              std::to_string(layout.id) + " could not be made (error " +
                                              std::to_string(GetLastError()) + ")"};
  }
  dialog->fitter_ = std::make_unique<NativeTextFitter>(window, dialog->layout_);
  dialog->fit_pending_ = true;  // the template's own texts
  dialog->view_ = std::make_unique<NativeFormView>(window, dialog->layout_, dialogs, language);
  HostedDialog* self = dialog.get();
  dialog->view_->SetOnTextsChanged([self](HWND control) { self->TextsChanged(control); });
  return dialog;
}

FormView& HostedDialog::View() { return *view_; }

void HostedDialog::AttachHint(BalloonHint& hint) {
  if (balloon_ == nullptr) balloon_ = std::make_unique<BalloonTooltip>(hint, window_);
}

void HostedDialog::Opened(FormLogic& logic) {
  logic_ = &logic;
  AddSystemMenuEntry();
  FitTexts();
}

void HostedDialog::ReleaseLogic() {
  // The tooltip detaches from the hint, which the logic owns.
  balloon_.reset();
  logic_ = nullptr;
}

void HostedDialog::SetIcons() {
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIcon(GetSystemMetrics(SM_CXICON))));
  SendMessageW(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(AppIcon(GetSystemMetrics(SM_CXSMICON))));
  // Icon controls show the program's icon at their own size.
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t class_name[16] = {};
    GetClassNameW(child, class_name, 16);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (lstrcmpiW(class_name, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
      SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(AppIcon(GetSystemMetrics(SM_CXICON))), 0);
    }
  }
}

void HostedDialog::AddSystemMenuEntry() {
  if (layout_.systemMenuCommand == 0 || logic_ == nullptr) return;
  const std::string entry = logic_->SystemMenuEntry();
  if (entry.empty()) return;
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (menu == nullptr) return;
  const std::wstring text = Wide(entry);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(layout_.systemMenuCommand), text.c_str());
}

void HostedDialog::RenameSystemMenuEntry(HMENU menu) {
  if (layout_.systemMenuCommand == 0 || logic_ == nullptr) return;
  const std::string entry = logic_->SystemMenuEntry();
  if (entry.empty()) return;
  const std::wstring text = Wide(entry);
  const auto command = static_cast<UINT_PTR>(layout_.systemMenuCommand);
  ModifyMenuW(menu, static_cast<UINT>(command), MF_BYCOMMAND | MF_STRING, command, text.c_str());
}

void HostedDialog::TextsChanged(HWND control) {
  fitter_->TextsChanged(control);
  if (fit_pending_) return;
  fit_pending_ = true;
  PostMessageW(window_, kFitTextsMessage, 0, 0);
}

void HostedDialog::FitTexts() {
  if (!fit_pending_) return;
  fit_pending_ = false;
  fitter_->Fit();
}

void HostedDialog::Rescale() {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
  HWND child = GetWindow(window_, GW_CHILD);
  for (const ControlTemplate& control : layout_.controls) {
    if (child == nullptr) break;
    RECT place{control.x, control.y, control.x + control.width, control.y + control.height};
    MapDialogRect(window_, &place);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (font != nullptr) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  // The smaller fonts of the old fitter were made for the old DPI; no
  // control uses them any more.
  fitter_ = std::make_unique<NativeTextFitter>(window_, layout_);
  fit_pending_ = true;
  FitTexts();
  InvalidateRect(window_, nullptr, TRUE);
}

void HostedDialog::Show() {
  // Shown over another window, it is modal: the one beneath takes no input.
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  FitTexts();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void HostedDialog::Hide() {
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  if (balloon_ != nullptr) balloon_->Hide();
  ShowWindow(window_, SW_HIDE);
  if (owner_ != nullptr) SetForegroundWindow(owner_);
}

bool HostedDialog::PreTranslate(MSG& message) {
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  if (balloon_ != nullptr) balloon_->Relay(message);
  return IsDialogMessageW(window_, &message) != FALSE;
}

INT_PTR CALLBACK HostedDialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<HostedDialog*>(lparam);
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    dialog->window_ = window;
    dialog->SetIcons();
    return TRUE;
  }
  auto* dialog = reinterpret_cast<HostedDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  // Until its view exists the window is still being made.
  if (dialog == nullptr || dialog->view_ == nullptr) return FALSE;
  // The host's one catch: nothing may unwind into the system's code that
  // called this procedure.
  try {
    return dialog->Handle(message, wparam, lparam) ? TRUE : FALSE;
  } catch (...) {
    ReportEscaped("a window procedure", std::current_exception(), [dialog](std::string_view what) {
      dialog->dialogs_.ShowMessage(dialog->window_, EscapedErrorMessage(what, dialog->language_),
                                   MessageIcon::kWarning);
    });
    return TRUE;
  }
}

bool HostedDialog::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      return Command(LOWORD(wparam), HIWORD(wparam));
    case WM_CLOSE:
      // The logic decides whether and how the window ends.
      events_.Clicked(kIdCancel);
      return true;
    case WM_SYSCOMMAND: {
      const int command = static_cast<int>(wparam & 0xFFF0);
      if (layout_.systemMenuCommand == 0 || command != layout_.systemMenuCommand) return false;
      return events_.SystemCommand(command);
    }
    case WM_INITMENUPOPUP:
      // The entry in the language of now: the launcher's language may have
      // changed since the entry was added.
      if (HIWORD(lparam) != 0) RenameSystemMenuEntry(reinterpret_cast<HMENU>(wparam));
      return false;
    case kFitTextsMessage:
      FitTexts();
      return true;
    case kDpiChangedMessage: {
      // The window takes the place the system suggests for the new DPI; the
      // dialog manager scales its font and controls (per-monitor v2), and
      // the texts are fitted again for the new font afterwards.
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      if (suggested != nullptr) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      }
      PostMessageW(window_, kRescaleMessage, 0, 0);
      return false;
    }
    case kRescaleMessage:
      Rescale();
      return true;
    case WM_TIMER:
      return balloon_ != nullptr && balloon_->TimerMessage(wparam);
    case kFocusLeftMessage: {
      // Only the user's own moves count (Tab, a click on another control),
      // not a message box taking the focus or a switch to another window.
      HWND focus = GetFocus();
      if (focus != nullptr && IsChild(window_, focus)) {
        events_.FocusLeft(static_cast<ControlId>(wparam));
      }
      return true;
    }
    default:
      return false;
  }
}

bool HostedDialog::Command(ControlId id, UINT code) {
  // Esc and Enter come from the dialog manager with the ids they stand for,
  // whether or not a control has that id.
  const ControlTemplate* control = layout_.Find(id);
  if (control == nullptr) {
    if ((id == kIdOk || id == kIdCancel || id == kIdProgressCancel) && code == BN_CLICKED) {
      events_.Clicked(id);
      return true;
    }
    return false;
  }
  switch (control->kind) {
    case ControlKind::kPushButton:
      if (code != BN_CLICKED) return false;
      events_.Clicked(id);
      return true;
    case ControlKind::kEdit:
      if (code == EN_KILLFOCUS && !view_->Quiet()) {
        PostMessageW(window_, kFocusLeftMessage, static_cast<WPARAM>(id), 0);
        return true;
      }
      if (code != EN_CHANGE || view_->Quiet()) return false;
      if (view_->AcceptTyping(id)) events_.TextEdited(id);
      return true;
    case ControlKind::kDropdownList:
    case ControlKind::kDropdownCombo:
      if (view_->Quiet()) return false;
      if (code == CBN_KILLFOCUS) {
        PostMessageW(window_, kFocusLeftMessage, static_cast<WPARAM>(id), 0);
        return true;
      }
      if (code == CBN_SELCHANGE) {
        if (control->kind == ControlKind::kDropdownCombo) view_->TakeComboPick(id);
        events_.SelectionChanged(id);
        return true;
      }
      if (code == CBN_EDITCHANGE && control->kind == ControlKind::kDropdownCombo) {
        if (view_->AcceptTyping(id)) events_.TextEdited(id);
        return true;
      }
      return false;
    case ControlKind::kListBox:
      if (view_->Quiet()) return false;
      if (code == LBN_SELCHANGE) {
        events_.SelectionChanged(id);
        return true;
      }
      // A double click takes the entry, as Enter does.
      if (code == LBN_DBLCLK) {
        events_.Clicked(kIdOk);
        return true;
      }
      return false;
    default:
      if ((id == kIdOk || id == kIdCancel || id == kIdProgressCancel) && code == BN_CLICKED) {
        events_.Clicked(id);
        return true;
      }
      return false;
  }
}

Win32ScreenHost::~Win32ScreenHost() { DropRetired(); }

HostedDialog& Win32ScreenHost::WindowOf(Screen& screen) {
  return static_cast<HostedDialog&>(screen.Window());
}

Result<std::unique_ptr<ScreenWindow>> Win32ScreenHost::MakeWindow(Next which,
                                                                   const DialogTemplate& layout,
                                                                   int language, ScreenWindow* over,
                                                                   ScreenEvents& events) {
  HWND owner = over != nullptr ? static_cast<HostedDialog*>(over)->Window() : nullptr;
  Result<std::unique_ptr<HostedDialog>> dialog =
      HostedDialog::Make(which, layout, language, dialogs_, events, owner);
  if (!dialog) return dialog.error();
  return std::unique_ptr<ScreenWindow>(std::move(dialog).value());
}

void Win32ScreenHost::ShowMessage(std::string_view text) {
  dialogs_.ShowMessage(nullptr, text, MessageIcon::kWarning);
}

void Win32ScreenHost::Retire(std::unique_ptr<Screen> screen) {
  // It may be in the middle of handling the message that ended it.
  retired_.push_back(std::move(screen));
}

void Win32ScreenHost::DropRetired() { retired_.clear(); }

}  // namespace quelmo
