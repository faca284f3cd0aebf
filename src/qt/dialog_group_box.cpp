#include "qt/dialog_group_box.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace quelmo {

DialogGroupBox::DialogGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  setFocusPolicy(Qt::NoFocus);
}

void DialogGroupBox::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect frame = rect().adjusted(0, top, -2, -2);

  // Etched: a shadow line with a light line beside it.
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);

  if (title().isEmpty()) return;
  const int indent = metrics.averageCharWidth();
  const QString text = title();
  QRect title_rect(indent, 0, metrics.horizontalAdvance(text) + metrics.averageCharWidth(),
                   metrics.height());
  title_rect = title_rect.intersected(rect().adjusted(0, 0, -indent, 0));
  painter.fillRect(title_rect, palette().brush(backgroundRole()));
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
  painter.drawText(title_rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace quelmo
