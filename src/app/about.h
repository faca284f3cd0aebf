#pragma once
// The About window, opened from the launcher's system menu. Its maker line
// and web address are static texts of its dialog template; its title and OK
// take the language. OK, Enter and Esc close it and the launcher beneath
// carries on as it was.

#include "session/form_logic.h"

namespace quelmo {

inline constexpr int kAboutDialogResource = 100;

class AboutLogic final : public FormLogic {
 public:
  AboutLogic(FormView& view, int language) : view_(view), language_(language) {}

  void Open() override;
  // kClose for OK (kIdOk) and Esc / the close box (kIdCancel).
  Next Clicked(ControlId id) override;

 private:
  FormView& view_;
  int language_;
};

}  // namespace quelmo
