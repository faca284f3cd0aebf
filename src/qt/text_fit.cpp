#include "qt/text_fit.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quelmo {
namespace {

// A stretch of a row, from `left` up to but not including `right`.
struct Extent {
  int left;
  int right;
};

int Right(const QRect& rect) { return rect.left() + rect.width(); }

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

int WidestOf(const QStringList& texts, const QFont& font) {
  const QFontMetricsF metrics(font);
  double widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return static_cast<int>(std::ceil(widest));
}

// What a control takes of its row: a label the ink of its text where its
// alignment puts it, any other control its frame; nothing for a label
// without text.
std::optional<Extent> Occupied(QWidget& control) {
  const QRect place = control.geometry();
  auto* label = qobject_cast<QLabel*>(&control);
  if (label == nullptr || !label->pixmap().isNull()) return Extent{place.left(), Right(place)};
  if (label->text().isEmpty()) return std::nullopt;
  const QFontMetricsF metrics(label->font());
  const double advance = metrics.horizontalAdvance(label->text());
  double origin = place.left();
  const Qt::Alignment align = label->alignment();
  if (align & Qt::AlignHCenter) origin += (place.width() - advance) / 2;
  if (align & Qt::AlignRight) origin = Right(place) - advance;
  const QRectF ink = metrics.tightBoundingRect(label->text());
  return Extent{static_cast<int>(std::floor(origin + ink.left())),
                static_cast<int>(std::ceil(origin + ink.right()))};
}

bool SharesRow(const QRect& a, const QRect& b) {
  return a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

// The innermost group box around `control`'s place, if any.
const FittedControl* ContainerOf(const std::vector<FittedControl>& controls,
                                 const FittedControl& control) {
  const FittedControl* found = nullptr;
  for (const FittedControl& box : controls) {
    if (!box.container || box.widget == control.widget) continue;
    if (!box.home.contains(control.home)) continue;
    if (found == nullptr || found->home.contains(box.home)) found = &box;
  }
  return found;
}

// Gives `control` `need` more pixels of width from the free space of its
// row: it keeps its left edge where it can and moves left only as far as it
// must. Where the row has less to give, it takes all there is.
void Widen(const std::vector<FittedControl>& controls, const FittedControl& control, int need,
           const QRect& area, int gap) {
  const QRect home = control.widget->geometry();
  const FittedControl* container = ContainerOf(controls, control);
  // A group box's etched frame lies inside its edge.
  const QRect bounds = container != nullptr ? container->widget->geometry() : area;
  int low = bounds.left() + 2 * gap;
  int high = Right(bounds) - 2 * gap;
  for (const FittedControl& other : controls) {
    if (other.widget == control.widget) continue;
    if (other.container && other.home.contains(control.home)) continue;
    if (!SharesRow(other.widget->geometry(), home)) continue;
    const std::optional<Extent> taken = Occupied(*other.widget);
    if (!taken) continue;
    if (taken->right <= home.left()) {
      low = std::max(low, taken->right + gap);
    } else if (taken->left >= Right(home)) {
      high = std::min(high, taken->left - gap);
    }
    // A neighbour the template already lets overlap stays out of the count.
  }
  const int width = home.width() + need;
  QRect place = home;
  if (high - low >= width) {
    place.moveLeft(std::clamp(home.left(), low, high - width));
    place.setWidth(width);
  } else {
    place.setLeft(std::min(home.left(), low));
    place.setRight(std::max(Right(home), high) - 1);
  }
  if (place == home) return;
  control.widget->setGeometry(place);
  // Above any neighbour whose empty part it now covers, so clicks reach it.
  control.widget->raise();
}

void ShrinkToFit(QWidget& control, const QFont& dialog_font) {
  const QStringList texts = TextsOf(control);
  QFont font = dialog_font;
  for (double size = dialog_font.pointSizeF() - 0.5; size >= kSmallestFittedPointSize;
       size -= 0.5) {
    font.setPointSizeF(size);
    control.setFont(font);
    if (WidestOf(texts, font) <= TextRoom(control)) return;
  }
}

}  // namespace

int TextRoom(QWidget& control) {
  if (auto* button = qobject_cast<QPushButton*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  }
  if (auto* list = qobject_cast<QComboBox*>(&control)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    // The styles draw the current entry one pixel inside the edit field.
    return list->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width() -
           2;
  }
  if (auto* label = qobject_cast<QLabel*>(&control)) {
    return label->pixmap().isNull() ? label->contentsRect().width() : -1;
  }
  if (auto* box = qobject_cast<QGroupBox*>(&control)) {
    // The title sits one average character in, with as much space around it.
    return box->width() - 3 * box->fontMetrics().averageCharWidth();
  }
  return -1;
}

int WidestText(QWidget& control, const QFont& font) { return WidestOf(TextsOf(control), font); }

void FitTexts(const std::vector<FittedControl>& controls, const QFont& dialog_font,
              const QRect& area, int gap) {
  for (const FittedControl& control : controls) {
    control.widget->setGeometry(control.home);
    control.widget->setFont(dialog_font);
  }
  for (const FittedControl& control : controls) {
    const int room = TextRoom(*control.widget);
    if (room < 0) continue;
    const int widest = WidestText(*control.widget, dialog_font);
    if (widest <= room) continue;
    if (!control.container) Widen(controls, control, widest - room, area, gap);
    if (widest > TextRoom(*control.widget)) ShrinkToFit(*control.widget, dialog_font);
  }
}

}  // namespace quelmo
