#pragma once
// The system's style with dialog controls in the proportions the templates
// were laid out for. A closed drop-down list there gives its entry all of its
// width but a thin frame and an arrow button as wide as a scroll bar; some
// styles spend more on frame and arrow, which leaves a list narrower inside
// than its dialog units promise and cuts its entries short.

#include <QProxyStyle>

namespace quelmo {

class DialogStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // `base_key`: the style to draw with, by name; empty for the platform's.
  explicit DialogStyle(const QString& base_key = QString());

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub_control, const QWidget* widget) const override;
};

}  // namespace quelmo
