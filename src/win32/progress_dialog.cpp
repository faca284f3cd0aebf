#include "win32/progress_dialog.h"

#include <vector>

#include "controls/form_view.h"
#include "dialogs/dialog_template.h"
#include "text/utf16.h"
#include "win32/dialog_resource.h"
#include "win32/native_form_view.h"

namespace quelmo {
namespace {

constexpr int kTextId = 100;

constexpr const char* kProgressDialogJson = R"({
  "id": 0, "title": "Quelmo", "width": 240, "height": 130,
  "font": {"family": "Arial", "pointSize": 9}, "controls": [
    {"id": 100, "kind": "label", "x": 7, "y": 7, "w": 226, "h": 96, "text": ""},
    {"id": 2, "kind": "push-button", "x": 183, "y": 109, "w": 50, "h": 14, "text": "Cancel"}
  ]})";

// Static controls break lines at CR LF.
std::wstring WithCrLf(std::string_view text) {
  std::wstring wide;
  for (wchar_t c : Wide(text)) {
    if (c == L'\n') wide += L'\r';
    wide += c;
  }
  return wide;
}

}  // namespace

ProgressDialog::~ProgressDialog() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void ProgressDialog::Show(std::string_view text) {
  if (window_ == nullptr) {
    const Result<DialogTemplate> layout = ParseDialogTemplate(kProgressDialogJson);
    if (!layout.ok()) return;
    const std::vector<std::uint8_t> bytes = BuildDialogResource(*layout, /*owned=*/true);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner_,
                                         Procedure, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) return;
    SetDlgItemTextW(window_, kIdCancel, Wide(cancel_).c_str());
  }
  SetDlgItemTextW(window_, kTextId, WithCrLf(text).c_str());
  if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOW);
}

void ProgressDialog::Finish() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

bool ProgressDialog::Shown() const { return window_ != nullptr && IsWindowVisible(window_); }

std::string ProgressDialog::Text() const {
  if (window_ == nullptr) return {};
  std::wstring text;
  for (wchar_t c : WindowText(GetDlgItem(window_, kTextId))) {
    if (c != L'\r') text += c;
  }
  return Utf8(text);
}

HWND ProgressDialog::CancelButton() const {
  return window_ == nullptr ? nullptr : GetDlgItem(window_, kIdCancel);
}

void ProgressDialog::Cancelled() {
  if (!Shown()) return;
  ShowWindow(window_, SW_HIDE);
  // The form's window hears it as any click of its own.
  SendMessageW(owner_, WM_COMMAND, MAKEWPARAM(kIdProgressCancel, BN_CLICKED),
               reinterpret_cast<LPARAM>(CancelButton()));
}

INT_PTR CALLBACK ProgressDialog::Procedure(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    return TRUE;
  }
  auto* self = reinterpret_cast<ProgressDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if ((message == WM_COMMAND && LOWORD(wparam) == kIdCancel) || message == WM_CLOSE) {
    self->Cancelled();
    return TRUE;
  }
  return FALSE;
}

}  // namespace quelmo
