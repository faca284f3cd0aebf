#include "qt/dialog_style.h"

#include <QStyleOptionComboBox>

#include <algorithm>

namespace quelmo {
namespace {

// Frame of a closed list on either side, in pixels.
constexpr int kListFrame = 2;
// Space between the frame and the entry's text.
constexpr int kListTextIndent = 1;

}  // namespace

DialogStyle::DialogStyle(const QString& base_key) : QProxyStyle(base_key) {}

QRect DialogStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl sub_control, const QWidget* widget) const {
  const QRect given = QProxyStyle::subControlRect(control, option, sub_control, widget);
  if (control != CC_ComboBox || option == nullptr) return given;
  if (sub_control != SC_ComboBoxArrow && sub_control != SC_ComboBoxEditField) return given;

  const QRect whole = option->rect;
  const int arrow_width =
      std::max(1, QProxyStyle::pixelMetric(PM_ScrollBarExtent, option, widget));
  const QRect arrow(whole.left() + whole.width() - kListFrame - arrow_width, given.top(),
                    arrow_width, given.height());
  if (sub_control == SC_ComboBoxArrow) {
    return visualRect(option->direction, whole, arrow);
  }
  const int left = whole.left() + kListFrame + kListTextIndent;
  const QRect field(left, given.top(), std::max(0, arrow.left() - left), given.height());
  return visualRect(option->direction, whole, field);
}

}  // namespace quelmo
