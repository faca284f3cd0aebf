#pragma once
// A setting form whose own logic is not in this build yet: its window opens
// with the form's title and can be left the way the real form is left.

#include "app/form_logic.h"

namespace quelmo {

class PlaceholderForm final : public FormLogic {
 public:
  // `form` is one of kCameraForm, kMmsForm, kSmtpForm, kSmsForm.
  PlaceholderForm(Next form, FormView& view);

  void Open() override;
  // Exit, Esc and the close box (kIdCancel) go back to a fresh launcher; the
  // SMTP/GPRS form alone ends the program by Enter (kIdOk).
  Next Clicked(ControlId id) override;

 private:
  Next form_;
  FormView& view_;
};

}  // namespace quelmo
