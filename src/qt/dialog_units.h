#pragma once
// Dialog units to pixels, as Windows converts them: the base units come from
// the dialog font's average character width and its height; a horizontal unit
// is a quarter of the first, a vertical unit an eighth of the second.

#include <QRect>

class QFont;

namespace quelmo {

class DialogUnits {
 public:
  DialogUnits(int base_x, int base_y) : base_x_(base_x), base_y_(base_y) {}
  // Base units of a font: the width of the 52 letters A-Z a-z divided by 52,
  // rounded, and the font's line height.
  static DialogUnits ForFont(const QFont& font);

  int X(int dialog_units) const;
  int Y(int dialog_units) const;
  QRect Rect(int x, int y, int width, int height) const;

 private:
  int base_x_;
  int base_y_;
};

}  // namespace quelmo
