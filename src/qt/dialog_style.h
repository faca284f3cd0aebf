#pragma once
// The system's style with dialog controls in the proportions the templates
// were laid out for, and the program's quiet field-green look.
//
// Proportions: a closed drop-down list there gives its entry all of its
// width but a thin frame and an arrow button as wide as a scroll bar; some
// styles spend more on frame and arrow, which leaves a list narrower inside
// than its dialog units promise and cuts its entries short. A push button's
// label gets all but a thin edge of it.
//
// Look: green group box titles, push buttons with a light gradient, a thin
// rounded edge that darkens under the mouse and on the default or focused
// button, and read-only edits on a grey ground. Drawn here rather than by a
// style sheet, which would make every widget look its rules up as it is
// polished and again whenever its font changes.

#include <QProxyStyle>

namespace quelmo {

class DialogStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // `base_key`: the style to draw with, by name; empty for the platform's.
  explicit DialogStyle(const QString& base_key = QString());

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub_control, const QWidget* widget) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void polish(QWidget* widget) override;
  using QProxyStyle::polish;

  // The colours of push button labels and group box titles, for every
  // widget of those classes as it is made. Call after the style is set.
  static void InstallPalettes();
};

}  // namespace quelmo
