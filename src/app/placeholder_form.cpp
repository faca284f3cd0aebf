#include "app/placeholder_form.h"

#include "app/app_state.h"

namespace quelmo {

PlaceholderForm::PlaceholderForm(Next form, FormView& view) : form_(form), view_(view) {}

void PlaceholderForm::Open() { view_.SetTitle(kModelName); }

Next PlaceholderForm::Clicked(ControlId id) {
  if (id == kIdCancel) return Next::kLauncher;
  if (id == kIdOk && form_ == Next::kSmtpForm) return Next::kQuit;
  return Next::kStay;
}

}  // namespace quelmo
