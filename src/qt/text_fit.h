#pragma once
// Some languages' texts are wider than the control the template gives them (a
// German button label, a list entry). Such a control takes room from the free
// space beside it in its row: to the right first, then to the left, never
// closer than a gap to a neighbour's frame or the ink of its text, and never
// out of its group box or the window. Only a text that still does not fit gets a smaller
// font, step by step down to a floor. The fit starts over from the template
// places every time, so a shorter text gives the room back.

#include <QRect>

#include <vector>

class QFont;
class QWidget;

namespace quelmo {

inline constexpr double kSmallestFittedPointSize = 7.0;

struct FittedControl {
  QWidget* widget = nullptr;
  QRect home;              // its place in the template, in pixels
  bool container = false;  // a group box: bounds the controls inside it
};

// Fits the texts of labels, push buttons, group boxes and lists (all their
// entries); other controls keep their place and only stand in the way.
// `area`: the window's client area; `gap`: the least space kept between
// neighbours (twice that inside the frame around them).
void FitTexts(const std::vector<FittedControl>& controls, const QFont& dialog_font,
              const QRect& area, int gap);

// The width a control's text may take with its present place and font;
// negative for controls whose texts are not fitted.
int TextRoom(QWidget& control);

// The width of the widest text a control shows (for a list: of all its
// entries) in `font`; 0 for none.
int WidestText(QWidget& control, const QFont& font);

}  // namespace quelmo
