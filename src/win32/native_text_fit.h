#pragma once
// quelmo.exe's side of fitting texts to their controls (dialogs/text_fit.h):
// it measures the texts of labels, push buttons, group boxes and lists with
// the dialog's font, the frames of buttons and lists from the system's
// metrics, and moves the controls (never their tab order). Only as the last
// resort a control gets a smaller font; those fonts live as long as the
// fitter, which outlives the dialog's controls.

#include <map>
#include <vector>

#include "dialogs/dialog_template.h"
#include "dialogs/text_fit.h"
#include "win32/win32_api.h"

namespace quelmo {

class NativeTextFitter {
 public:
  // `dialog`: the window made from `layout`, its controls still where the
  // template put them.
  NativeTextFitter(HWND dialog, const DialogTemplate& layout);
  ~NativeTextFitter();
  NativeTextFitter(const NativeTextFitter&) = delete;
  NativeTextFitter& operator=(const NativeTextFitter&) = delete;

  // The texts (or a list's entries) of `control` changed.
  void TextsChanged(HWND control);
  // Fits every control's texts to the room beside it.
  void Fit();

 private:
  class Measure;
  struct Fitted {
    HWND window = nullptr;
    ControlKind kind = ControlKind::kLabel;
    bool centred = false;
    FitRect home;
    FitRect place;            // where it is now
    int listHeight = 0;       // a list's height dropped down
    std::vector<int> widest;  // per font step; negative: not measured yet
    int smaller = 0;
  };

  HFONT FontOf(int smaller);

  HWND dialog_;
  std::vector<Fitted> controls_;
  std::vector<FitControl> roles_;
  HFONT dialog_font_ = nullptr;
  LOGFONTW logical_{};
  int steps_ = 0;                   // how far the font may shrink
  std::map<int, HFONT> smaller_;    // made when first needed
  int gap_ = 1;
};

}  // namespace quelmo
