#include "qt/text_fit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <optional>

#include "dialogs/text_fit.h"

namespace quelmo {
namespace {

// A control's texts: the one it draws now, and a list's other entries,
// drawn only once picked.
struct Texts {
  QStringList drawn;
  QStringList listed;
};

Texts TextsOf(const QWidget& control) {
  if (auto* button = qobject_cast<const QPushButton*>(&control)) return {{button->text()}, {}};
  if (auto* label = qobject_cast<const QLabel*>(&control)) return {{label->text()}, {}};
  if (auto* box = qobject_cast<const QGroupBox*>(&control)) return {{box->title()}, {}};
  Texts texts;
  if (auto* list = qobject_cast<const QComboBox*>(&control)) {
    for (int i = 0; i < list->count(); ++i) {
      (i == list->currentIndex() ? texts.drawn : texts.listed) << list->itemText(i);
    }
  }
  return texts;
}

// Ideographs, kana, hangul and their full-width punctuation: each at most
// one em wide in the fonts that carry them.
bool IsFullWidthScript(uint c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF01 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFF);
}

FitRole RoleOf(const QWidget& control, bool container) {
  if (container) return FitRole::kContainer;
  if (auto* label = qobject_cast<const QLabel*>(&control)) {
    return label->pixmap().isNull() ? FitRole::kLabel : FitRole::kFixed;
  }
  if (qobject_cast<const QPushButton*>(&control) != nullptr ||
      qobject_cast<const QComboBox*>(&control) != nullptr) {
    return FitRole::kText;
  }
  return FitRole::kFixed;
}

FitRect ToFit(const QRect& rect) { return {rect.left(), rect.top(), rect.width(), rect.height()}; }
QRect ToQt(const FitRect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

double ListedWidthBound(const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  const auto chars = text.toUcs4();
  // Asked of the font itself: QFontMetricsF::inFontUcs4 looks in the
  // fallback fonts too, and so loads them.
  const QRawFont own = QRawFont::fromFont(font);
  const bool all_in_font =
      std::all_of(chars.begin(), chars.end(), [&](uint c) { return own.supportsCharacter(c); });
  if (all_in_font || !std::all_of(chars.begin(), chars.end(), IsFullWidthScript)) {
    return metrics.horizontalAdvance(text);
  }
  // Hinting rounds a fallback glyph's advance to whole pixels, hence the
  // ceiling; the line height is the larger of the two in the usual fonts.
  const double em =
      font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * metrics.fontDpi() / 72;
  return static_cast<double>(chars.size()) * std::max(std::ceil(em), metrics.height());
}

class TextFitter::Measure final : public TextMeasure {
 public:
  Measure(std::vector<Fitted>& controls, const QFont& dialog_font)
      : controls_(controls), dialog_font_(dialog_font) {
    for (double size = dialog_font.pointSizeF() - 0.5; size >= kSmallestFittedPointSize;
         size -= 0.5) {
      QFont font = dialog_font;
      font.setPointSizeF(size);
      fonts_.push_back(font);
    }
    drawn_.resize(fonts_.size() + 1);
    listed_.resize(fonts_.size() + 1);
  }

  int Steps() const { return static_cast<int>(fonts_.size()); }
  const QFont& Font(int smaller) const {
    return smaller <= 0 ? dialog_font_ : fonts_[static_cast<std::size_t>(smaller - 1)];
  }

  int WidestText(std::size_t index, int smaller) override {
    Fitted& control = controls_[index];
    if (control.widest.empty()) control.widest.assign(fonts_.size() + 1, -1);
    int& widest = control.widest[static_cast<std::size_t>(smaller)];
    if (widest < 0) {
      const QFontMetricsF metrics(Font(smaller));
      QHash<QString, double>& known = drawn_[static_cast<std::size_t>(smaller)];
      const Texts texts = TextsOf(*control.widget);
      double found = 0;
      for (const QString& text : texts.drawn) {
        auto width = known.constFind(text);
        if (width == known.constEnd()) width = known.insert(text, metrics.horizontalAdvance(text));
        found = std::max(found, *width);
      }
      // Shaping an entry in a script the font lacks loads the fallback fonts
      // for it (their time and memory), though it is drawn only once picked:
      // unless the window draws such a script anyway, such an entry is given
      // room by a bound instead.
      const bool exact = DrawsFullWidthScript();
      QHash<QString, double>& bounded = listed_[static_cast<std::size_t>(smaller)];
      for (const QString& text : texts.listed) {
        auto width = known.constFind(text);
        if (width == known.constEnd() && exact) {
          width = known.insert(text, metrics.horizontalAdvance(text));
        }
        if (width == known.constEnd()) {
          width = bounded.constFind(text);
          if (width == bounded.constEnd()) {
            width = bounded.insert(text, ListedWidthBound(text, Font(smaller)));
          }
        }
        found = std::max(found, *width);
      }
      widest = static_cast<int>(std::ceil(found));
    }
    return widest;
  }

  bool DrawsFullWidthScript() {
    if (!draws_full_width_.has_value()) {
      draws_full_width_ = std::any_of(controls_.begin(), controls_.end(), [](const Fitted& c) {
        const QStringList drawn = TextsOf(*c.widget).drawn;
        return std::any_of(drawn.begin(), drawn.end(), [](const QString& text) {
          const auto chars = text.toUcs4();
          return std::any_of(chars.begin(), chars.end(), IsFullWidthScript);
        });
      });
    }
    return *draws_full_width_;
  }

  int TextRoom(std::size_t index, int width, int smaller) override {
    QWidget* widget = controls_[index].widget;
    const QRect rect(0, 0, width, widget->height());
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.rect = rect;
      option.text = button->text();
      return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      QStyleOptionComboBox option;
      option.initFrom(list);
      option.rect = rect;
      option.editable = list->isEditable();
      // The styles draw the current entry one pixel inside the edit field.
      return list->style()
                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                 .width() -
             2;
    }
    if (qobject_cast<QGroupBox*>(widget) != nullptr) {
      // The title sits one average character in, with as much space around it.
      return width - 3 * QFontMetrics(Font(smaller)).averageCharWidth();
    }
    return width - (widget->width() - widget->contentsRect().width());
  }

  std::optional<RowExtent> Ink(std::size_t index, const FitRect& place, int smaller) override {
    const auto* label = qobject_cast<const QLabel*>(controls_[index].widget);
    if (label == nullptr || label->text().isEmpty()) return std::nullopt;
    const QFontMetricsF metrics(Font(smaller));
    const double advance = metrics.horizontalAdvance(label->text());
    double origin = place.left;
    const Qt::Alignment align = label->alignment();
    if (align & Qt::AlignHCenter) origin += (place.width - advance) / 2;
    if (align & Qt::AlignRight) origin = place.Right() - advance;
    const QRectF ink = metrics.tightBoundingRect(label->text());
    return RowExtent{static_cast<int>(std::floor(origin + ink.left())),
                     static_cast<int>(std::ceil(origin + ink.right()))};
  }

 private:
  std::vector<Fitted>& controls_;
  const QFont& dialog_font_;
  std::vector<QFont> fonts_;  // one per step below the dialog font
  // Drawn widths per font step, by text: the time lists share most of their
  // entries ("00" to "59"), and shaping a text is what measuring costs.
  std::vector<QHash<QString, double>> drawn_;
  // Widths, or bounds of them, of list entries not drawn now.
  std::vector<QHash<QString, double>> listed_;
  std::optional<bool> draws_full_width_;
};

void TextFitter::Add(QWidget* widget, const QRect& home, bool container) {
  controls_.push_back(Fitted{widget, home, container, {}, 0});
}

void TextFitter::TextsChanged(const QWidget* widget) {
  for (Fitted& control : controls_) {
    if (control.widget == widget) control.widest.clear();
  }
}

void TextFitter::Fit(const QFont& dialog_font, const QRect& area, int gap) {
  if (!(dialog_font == measured_in_)) {
    for (Fitted& control : controls_) control.widest.clear();
    measured_in_ = dialog_font;
  }
  Measure measure(controls_, dialog_font);
  std::vector<FitControl> controls;
  controls.reserve(controls_.size());
  for (const Fitted& control : controls_) {
    controls.push_back({ToFit(control.home), RoleOf(*control.widget, control.container)});
  }
  const TextFit fit =
      FitTexts(controls, measure, {ToFit(area), gap, measure.Steps()});

  for (std::size_t i = 0; i < controls_.size(); ++i) {
    Fitted& control = controls_[i];
    const QRect place = ToQt(fit.places[i]);
    if (control.widget->geometry() != place) {
      control.widget->setGeometry(place);
      // Above any neighbour whose empty part it now covers, so clicks reach it.
      if (place != control.home) control.widget->raise();
    }
    if (fit.smaller[i] != control.smaller) {
      control.widget->setFont(measure.Font(fit.smaller[i]));
      control.smaller = fit.smaller[i];
    }
  }
}

}  // namespace quelmo
