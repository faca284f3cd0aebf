#include "win32/native_form_view.h"

#include <algorithm>

#include "text/translate.h"
#include "win32/wide_text.h"

namespace quelmo {

class NativeFormView::QuietScope {
 public:
  explicit QuietScope(NativeFormView& view) : view_(view) { ++view_.quiet_; }
  ~QuietScope() { --view_.quiet_; }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  NativeFormView& view_;
};

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

NativeFormView::NativeFormView(HWND dialog, const DialogTemplate& layout, NativeDialogs& dialogs,
                               int language)
    : dialog_(dialog), layout_(layout), dialogs_(dialogs), language_(language) {
  for (const ControlTemplate& control : layout_.controls) {
    if (control.id <= 0) continue;
    if (control.kind == ControlKind::kEdit || control.kind == ControlKind::kDropdownCombo) {
      rules_[control.id].digitsOnly = control.style.digits;
      accepted_[control.id] = Wide(control.text);
    }
  }
}

HWND NativeFormView::ControlWindow(ControlId id) const {
  return layout_.Find(id) != nullptr ? GetDlgItem(dialog_, id) : nullptr;
}

HWND NativeFormView::EditWindow(ControlId id) const {
  const ControlTemplate* control = layout_.Find(id);
  if (control == nullptr) return nullptr;
  if (control->kind == ControlKind::kEdit) return GetDlgItem(dialog_, id);
  if (control->kind == ControlKind::kDropdownCombo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(GetDlgItem(dialog_, id), &info)) return info.hwndItem;
  }
  return nullptr;
}

void NativeFormView::SetWindowTextQuietly(HWND window, const std::wstring& text) {
  const QuietScope quiet(*this);
  SetWindowTextW(window, text.c_str());
}

void NativeFormView::SetTitle(std::string_view text) {
  SetWindowTextQuietly(dialog_, Wide(text));
}

void NativeFormView::SetText(ControlId id, std::string_view text) {
  const ControlTemplate* control = layout_.Find(id);
  HWND window = ControlWindow(id);
  if (control == nullptr || window == nullptr) return;
  const std::wstring wide = Wide(text);
  if (control->kind == ControlKind::kDropdownList) {
    // A list without an edit part shows the entry of that name, if any.
    const QuietScope quiet(*this);
    const LRESULT found = SendMessageW(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(window, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : found, 0);
    return;
  }
  // The same text again leaves the control alone: setting it would put the
  // caret of an edit being typed into back at the start.
  if (WindowText(window) == wide) return;
  SetWindowTextQuietly(window, wide);
  if (accepted_.count(id) != 0) {
    // A new text has the caret at its end, as after typing it.
    if (HWND edit = EditWindow(id)) {
      SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(wide.size()), static_cast<LPARAM>(wide.size()));
    }
    accepted_[id] = wide;
  } else if (on_texts_changed_ && control->kind != ControlKind::kDropdownCombo) {
    on_texts_changed_(window);
  }
}

std::string NativeFormView::Text(ControlId id) const {
  const ControlTemplate* control = layout_.Find(id);
  HWND window = ControlWindow(id);
  if (window == nullptr) return {};
  if (control->kind == ControlKind::kListBox) {
    // The entry selected, as a drop-down list shows it.
    const LRESULT selected = SendMessageW(window, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return {};
    std::wstring entry(static_cast<std::size_t>(SendMessageW(window, LB_GETTEXTLEN, selected, 0)) + 1,
                       L'\0');
    const LRESULT copied = SendMessageW(window, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return Utf8(entry);
  }
  return Utf8(WindowText(window));
}

void NativeFormView::SetItems(ControlId id, const std::vector<std::string>& items) {
  const ControlTemplate* control = layout_.Find(id);
  HWND list = ControlWindow(id);
  if (control == nullptr || list == nullptr ||
      (control->kind != ControlKind::kDropdownList && control->kind != ControlKind::kDropdownCombo &&
       control->kind != ControlKind::kListBox)) {
    return;
  }
  const QuietScope quiet(*this);
  if (control->kind == ControlKind::kListBox) {
    // Redrawn once, not after every entry of a long list.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      const std::wstring wide = Wide(item);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return;
  }
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    const std::wstring wide = Wide(item);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  if (control->kind == ControlKind::kDropdownCombo) {
    SetWindowTextW(list, L"");
    accepted_[id].clear();
  }
  if (on_texts_changed_) on_texts_changed_(list);
}

void NativeFormView::SetSelection(ControlId id, int index) {
  const ControlTemplate* control = layout_.Find(id);
  HWND list = ControlWindow(id);
  if (control == nullptr || list == nullptr) return;
  const QuietScope quiet(*this);
  if (control->kind == ControlKind::kListBox) {
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const bool valid = index >= 0 && index < count;
    SendMessageW(list, LB_SETCURSEL, valid ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
    return;
  }
  const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  const bool valid = index >= 0 && index < count;
  SendMessageW(list, CB_SETCURSEL, valid ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
  if (control->kind == ControlKind::kDropdownCombo) {
    if (!valid) SetWindowTextW(list, L"");
    accepted_[id] = WindowText(list);
  }
}

int NativeFormView::Selection(ControlId id) const {
  const ControlTemplate* control = layout_.Find(id);
  HWND list = ControlWindow(id);
  if (control == nullptr || list == nullptr) return -1;
  if (control->kind == ControlKind::kDropdownCombo) {
    // The edit part decides: a typed text that names no entry selects none.
    const std::wstring text = WindowText(list);
    const LRESULT found = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    return found == CB_ERR ? -1 : static_cast<int>(found);
  }
  if (control->kind == ControlKind::kListBox) {
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
  }
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void NativeFormView::SetReadOnly(ControlId id, bool read_only) {
  if (HWND edit = EditWindow(id)) SendMessageW(edit, EM_SETREADONLY, read_only ? TRUE : FALSE, 0);
}

void NativeFormView::SetEnabled(ControlId id, bool enabled) {
  if (HWND window = ControlWindow(id)) EnableWindow(window, enabled ? TRUE : FALSE);
}

void NativeFormView::SetByteLimit(ControlId id, int bytes) {
  const auto found = rules_.find(id);
  if (found == rules_.end()) return;
  found->second.byteLimit = bytes;
  found->second.characterLimit = -1;
}

void NativeFormView::SetCharacterLimit(ControlId id, int characters) {
  const auto found = rules_.find(id);
  if (found == rules_.end()) return;
  found->second.byteLimit = -1;
  found->second.characterLimit = characters;
}

void NativeFormView::FocusAndSelectAll(ControlId id) {
  HWND window = ControlWindow(id);
  if (window == nullptr) return;
  // The dialog's own way of moving the focus keeps its default button right;
  // the control it leaves is not the user's leaving.
  const QuietScope quiet(*this);
  SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
  if (HWND edit = EditWindow(id)) SendMessageW(edit, EM_SETSEL, 0, -1);
}

void NativeFormView::ShowMessage(std::string_view text, MessageIcon icon) {
  dialogs_.ShowMessage(dialog_, text, icon);
}

void NativeFormView::AskYesNo(std::string_view text, YesNoAnswer answer) {
  answer(dialogs_.AskYesNo(dialog_, text));
}

void NativeFormView::ShowProgress(std::string_view text) {
  if (progress_ == nullptr) {
    progress_ =
        std::make_unique<ProgressDialog>(dialog_, std::string(Translate(language_, "Cancel")));
  }
  progress_->Show(text);
}

void NativeFormView::CloseProgress() {
  if (progress_ != nullptr) progress_->Finish();
}

void NativeFormView::ChooseFolder(std::string_view start_folder, PathAnswer answer) {
  answer(dialogs_.ChooseFolder(dialog_, start_folder));
}

void NativeFormView::ChooseFile(std::string_view filter, PathAnswer answer) {
  answer(dialogs_.ChooseFile(dialog_, filter));
}

bool NativeFormView::AcceptTyping(ControlId id) {
  const auto rules = rules_.find(id);
  HWND window = ControlWindow(id);
  if (rules == rules_.end() || window == nullptr) return true;
  const std::wstring text = WindowText(window);
  if (rules->second.Accepts(Utf8(text))) {
    accepted_[id] = text;
    return true;
  }
  // Put the last accepted text back, with the caret where the refused
  // change began.
  HWND edit = EditWindow(id);
  DWORD end = 0;
  if (edit != nullptr) SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const std::wstring& previous = accepted_[id];
  const long grown = static_cast<long>(text.size()) - static_cast<long>(previous.size());
  const long caret = std::max(0L, std::min(static_cast<long>(previous.size()),
                                           static_cast<long>(end) - std::max(0L, grown)));
  SetWindowTextQuietly(window, previous);
  if (edit != nullptr) SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(caret), caret);
  MessageBeep(MB_OK);
  return false;
}

void NativeFormView::TakeComboPick(ControlId id) {
  HWND list = ControlWindow(id);
  if (list == nullptr) return;
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return;
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  std::wstring entry(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
  SetWindowTextQuietly(list, entry);
  accepted_[id] = entry;
}

}  // namespace quelmo
