#pragma once
// The Qt host's side of fitting texts to their controls (dialogs/text_fit.h):
// it measures the texts of labels, push buttons, group boxes and lists in the
// dialog font and its smaller steps, and applies the places and fonts the fit
// gives. Measures are kept until a control's texts change, and a font is set
// only on a control whose font the fit changes, as each setFont polishes the
// control again.

#include <QFont>
#include <QRect>

#include <vector>

class QString;
class QWidget;

namespace quelmo {

inline constexpr double kSmallestFittedPointSize = 7.0;

// The room a list entry that is not drawn now needs in `font`: its width, or
// where it is written wholly in ideographs, kana or hangul the font lacks, a
// bound of it that needs no fallback font.
double ListedWidthBound(const QString& text, const QFont& font);

class TextFitter {
 public:
  // Every control of the window, in template order. `home`: its place in
  // the template, in pixels; `container`: a group box, which bounds the
  // controls inside it.
  void Add(QWidget* widget, const QRect& home, bool container);
  // The texts (or a list's entries) of `widget` changed.
  void TextsChanged(const QWidget* widget);
  // Fits every control's texts. `area`: the window's client area; `gap`: the
  // least space kept between neighbours (twice that inside the frame around
  // them).
  void Fit(const QFont& dialog_font, const QRect& area, int gap);

 private:
  class Measure;
  struct Fitted {
    QWidget* widget = nullptr;
    QRect home;
    bool container = false;
    std::vector<int> widest;  // per font step; negative: not measured yet
    int smaller = 0;          // the font step the control has now
  };

  std::vector<Fitted> controls_;
  QFont measured_in_;  // the dialog font the widths above were measured in
};

}  // namespace quelmo
