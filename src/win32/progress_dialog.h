#pragma once
// The progress window of a Win32 form: a modeless dialog over it with a text
// that the logic replaces and a Cancel button. Cancel or its close box hide
// it and tell the form as a click on kIdProgressCancel; Finish() hides it
// without a word.

#include <string>
#include <string_view>
#include <utility>

#include "win32/win32_api.h"

namespace quelmo {

class ProgressDialog {
 public:
  // `cancel` is the Cancel button's text, in the language of the windows.
  ProgressDialog(HWND owner, std::string cancel) : owner_(owner), cancel_(std::move(cancel)) {}
  ~ProgressDialog();
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  void Show(std::string_view text);
  void Finish();
  bool Shown() const;
  std::string Text() const;  // lines end in "\n"
  HWND CancelButton() const;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Cancelled();

  HWND owner_;
  std::string cancel_;
  HWND window_ = nullptr;
};

}  // namespace quelmo
