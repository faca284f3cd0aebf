#include "qt/text_fit.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace quelmo {
namespace {

// The width the control's text may take, with the font the control has now;
// negative for controls that are not fitted.
int AvailableWidth(QWidget& control) {
  if (auto* button = qobject_cast<QPushButton*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() -
           2;
  }
  if (auto* list = qobject_cast<QComboBox*>(&control)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return list->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width() -
           2;
  }
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    return label->pixmap().isNull() ? label->contentsRect().width() : -1;
  }
  if (auto* box = qobject_cast<QGroupBox*>(&control)) {
    return box->width() - 3 * box->fontMetrics().averageCharWidth();
  }
  return -1;
}

QStringList TextsOf(QWidget& control) {
  if (auto* button = qobject_cast<QPushButton*>(&control)) return {button->text()};
  if (auto* label = qobject_cast<QLabel*>(&control)) return {label->text()};
  if (auto* box = qobject_cast<QGroupBox*>(&control)) return {box->title()};
  QStringList texts;
  if (auto* list = qobject_cast<QComboBox*>(&control)) {
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  }
  return texts;
}

int WidestText(const QStringList& texts, const QFont& font) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return widest;
}

}  // namespace

void FitTextToControl(QWidget& control, const QFont& dialog_font) {
  control.setFont(dialog_font);
  const int available = AvailableWidth(control);
  if (available <= 0) return;
  const QStringList texts = TextsOf(control);
  if (WidestText(texts, dialog_font) <= available) return;

  QFont font = dialog_font;
  for (double size = dialog_font.pointSizeF() - 0.5; size >= kSmallestFittedPointSize;
       size -= 0.5) {
    font.setPointSizeF(size);
    if (WidestText(texts, font) <= available) break;
  }
  control.setFont(font);
}

}  // namespace quelmo
