#pragma once
// Some languages' texts are longer than their control allows (a German
// button label, a list entry). Such a control gets a smaller font, step by
// step down to a floor, rather than a clipped text; a text that fits again
// gets the dialog font back.

class QFont;
class QWidget;

namespace quelmo {

inline constexpr double kSmallestFittedPointSize = 7.0;

// Fits the texts of a label, push button, group box or list (all its
// entries) to the control's width, starting from `dialog_font`.
void FitTextToControl(QWidget& control, const QFont& dialog_font);

}  // namespace quelmo
