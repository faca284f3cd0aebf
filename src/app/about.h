#pragma once
// The About window, opened from the launcher's system menu. Its maker line
// and web address are static texts of its dialog template; OK, Enter and Esc
// close it and the launcher beneath carries on as it was.

#include "app/form_logic.h"

namespace quelmo {

inline constexpr int kAboutDialogResource = 100;
inline constexpr const char* kAboutTitle = "About Setup";

class AboutLogic final : public FormLogic {
 public:
  explicit AboutLogic(FormView& view) : view_(view) {}

  void Open() override;
  // kClose for OK (kIdOk) and Esc / the close box (kIdCancel).
  Next Clicked(ControlId id) override;

 private:
  FormView& view_;
};

}  // namespace quelmo
