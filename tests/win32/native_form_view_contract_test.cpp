// The Win32 view keeps the promises every view makes to the form logic, over
// a real dialog made from the template.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "recording_dialogs.h"
#include "support/form_view_contract.h"
#include "text/language_code.h"
#include "win32/dialog_resource.h"
#include "win32/native_form_view.h"
#include "win32/wide_text.h"

namespace quelmo {
namespace {

class NativeViewHarness {
 public:
  NativeViewHarness() : layout_(ParseDialogTemplate(contract::kContractDialogJson).value()) {
    const std::vector<std::uint8_t> bytes = BuildDialogResource(layout_);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                         Procedure, reinterpret_cast<LPARAM>(this));
    EXPECT_NE(window_, nullptr) << GetLastError();
    view_ = std::make_unique<NativeFormView>(window_, layout_, dialogs_, kEnglish);
    ShowWindow(window_, SW_SHOW);
  }
  ~NativeViewHarness() {
    view_.reset();
    if (window_ != nullptr) DestroyWindow(window_);
  }
  NativeViewHarness(const NativeViewHarness&) = delete;
  NativeViewHarness& operator=(const NativeViewHarness&) = delete;

  FormView& View() { return *view_; }

  std::vector<std::string> Items(ControlId list) {
    HWND combo = GetDlgItem(window_, list);
    std::vector<std::string> items;
    if (list == contract::kListBox) {
      const LRESULT count = SendMessageW(combo, LB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(combo, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(combo, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(entry.size() - 1);
        items.push_back(Utf8(entry));
      }
      return items;
    }
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring entry(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
      SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
      entry.resize(entry.size() - 1);
      items.push_back(Utf8(entry));
    }
    return items;
  }
  bool IsEnabled(ControlId id) { return IsWindowEnabled(GetDlgItem(window_, id)) != FALSE; }
  bool IsReadOnly(ControlId edit) {
    return (GetWindowLongW(GetDlgItem(window_, edit), GWL_STYLE) & ES_READONLY) != 0;
  }

  CaretPlace Caret(ControlId edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(GetDlgItem(window_, edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  void PlaceCaret(ControlId edit, CaretPlace place) {
    SendMessageW(GetDlgItem(window_, edit), EM_SETSEL, static_cast<WPARAM>(place.start), place.end);
  }

  int ChangeEvents() { return events_; }
  std::optional<std::string> ProgressText() {
    const ProgressDialog* progress = view_->Progress();
    if (progress == nullptr || !progress->Shown()) return std::nullopt;
    return progress->Text();
  }
  void PressProgressCancel() {
    const ProgressDialog* progress = view_->Progress();
    ASSERT_NE(progress, nullptr);
    HWND button = progress->CancelButton();
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(kIdCancel, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  void AnswerQuestion(bool yes) { dialogs_.questionAnswers.push_back(yes); }

 private:
  // Counts the notifications the host passes on to the logic: the user's
  // changes, which the view's own changes are told from by Quiet().
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrW(window, DWLP_USER, lparam);
      return TRUE;
    }
    auto* self = reinterpret_cast<NativeViewHarness*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message != WM_COMMAND || self == nullptr || self->view_ == nullptr) return FALSE;
    const UINT code = HIWORD(wparam);
    const bool change = code == EN_CHANGE || code == CBN_SELCHANGE || code == CBN_EDITCHANGE ||
                        (code == BN_CLICKED && lparam != 0);
    if (change && !self->view_->Quiet()) ++self->events_;
    return FALSE;
  }

  DialogTemplate layout_;
  RecordingDialogs dialogs_;
  HWND window_ = nullptr;
  std::unique_ptr<NativeFormView> view_;
  int events_ = 0;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Native, FormViewContract, NativeViewHarness);

}  // namespace
}  // namespace quelmo
