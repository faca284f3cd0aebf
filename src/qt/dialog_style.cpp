#include "qt/dialog_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace quelmo {
namespace {

// Frame of a closed list on either side, in pixels.
constexpr int kListFrame = 2;
// Space between the frame and the entry's text.
constexpr int kListTextIndent = 1;

// A push button's edge, and the room between it and the label: as thin as
// a system button's edge, so that a label gets the width its dialog units
// promise.
constexpr int kButtonEdge = 1;
constexpr int kButtonPaddingX = 2;
constexpr int kButtonPaddingY = 1;
constexpr qreal kButtonRadius = 3;

constexpr QRgb kButtonFaceTop = 0xfbfcfa;
constexpr QRgb kButtonFaceBottom = 0xe3e8df;
constexpr QRgb kHoverFaceTop = 0xffffff;
constexpr QRgb kHoverFaceBottom = 0xeaf1e5;
constexpr QRgb kPressedFace = 0xd3dccd;
constexpr QRgb kButtonEdgeColour = 0x8d9a89;
constexpr QRgb kHoverEdge = 0x5f8a5f;
constexpr QRgb kMarkedEdge = 0x3d7046;  // the default button, the focused one
constexpr QRgb kDisabledEdge = 0xb8c0b5;
constexpr QRgb kReadOnlyText = 0x3a423b;
constexpr QRgb kReadOnlyGround = 0xeef0ec;

QColor Colour(QRgb rgb) { return QColor::fromRgb(rgb); }

void SetEveryGroup(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, role, colour);
  }
}

void DrawButtonBevel(const QStyleOptionButton& button, QPainter* painter) {
  const bool enabled = (button.state & QStyle::State_Enabled) != 0;
  const bool pressed = (button.state & (QStyle::State_Sunken | QStyle::State_On)) != 0;
  const bool hover = (button.state & QStyle::State_MouseOver) != 0;
  const bool focused = (button.state & QStyle::State_HasFocus) != 0;
  const bool marked = (button.features & QStyleOptionButton::DefaultButton) != 0 || focused;
  QRgb edge = kButtonEdgeColour;
  if (hover) edge = kHoverEdge;
  if (marked) edge = kMarkedEdge;
  if (!enabled) edge = kDisabledEdge;

  const QRectF outline = QRectF(button.rect).adjusted(0.5, 0.5, -0.5, -0.5);
  QBrush face(Colour(kPressedFace));
  if (!pressed) {
    QLinearGradient gradient(outline.topLeft(), outline.bottomLeft());
    gradient.setColorAt(0, Colour(hover ? kHoverFaceTop : kButtonFaceTop));
    gradient.setColorAt(1, Colour(hover ? kHoverFaceBottom : kButtonFaceBottom));
    face = QBrush(gradient);
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(Colour(edge), kButtonEdge));
  painter->setBrush(face);
  painter->drawRoundedRect(outline, kButtonRadius, kButtonRadius);
  if (focused && enabled) {
    // The default button's edge is marked too: the focus has a ring of its
    // own inside the edge, so Tab shows where it is on any button.
    painter->setPen(QPen(Colour(kMarkedEdge), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    const qreal inset = kButtonEdge + 1.5;
    painter->drawRoundedRect(outline.adjusted(inset, inset, -inset, -inset), kButtonRadius - 1,
                             kButtonRadius - 1);
  }
  painter->restore();
}

// Read-only edits on a grey ground; an edit made writable again gets the
// ordinary text colour back (its ground is the window's business).
void LookOfEdit(QLineEdit* edit) {
  QPalette palette = edit->palette();
  if (edit->isReadOnly()) {
    SetEveryGroup(palette, QPalette::Text, Colour(kReadOnlyText));
    SetEveryGroup(palette, QPalette::Base, Colour(kReadOnlyGround));
  } else if (palette.color(QPalette::Active, QPalette::Text) == Colour(kReadOnlyText)) {
    const QPalette ordinary = QApplication::palette(edit);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, QPalette::Text, ordinary.color(group, QPalette::Text));
    }
  } else {
    return;
  }
  edit->setPalette(palette);
}

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

QRect DialogStyle::subElementRect(SubElement element, const QStyleOption* option,
                                  const QWidget* widget) const {
  if (element == SE_PushButtonContents && option != nullptr) {
    constexpr int kX = kButtonEdge + kButtonPaddingX;
    constexpr int kY = kButtonEdge + kButtonPaddingY;
    return option->rect.adjusted(kX, kY, -kX, -kY);
  }
  return QProxyStyle::subElementRect(element, option, widget);
}

void DialogStyle::drawControl(ControlElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  if (element == CE_PushButtonBevel) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button != nullptr && (button->features & QStyleOptionButton::Flat) == 0) {
      DrawButtonBevel(*button, painter);
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void DialogStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) LookOfEdit(edit);
}

void DialogStyle::InstallPalettes() {
  QPalette buttons = QApplication::palette();
  buttons.setColor(QPalette::Active, QPalette::ButtonText, Colour(0x1d2a1f));
  buttons.setColor(QPalette::Inactive, QPalette::ButtonText, Colour(0x1d2a1f));
  buttons.setColor(QPalette::Disabled, QPalette::ButtonText, Colour(0x929a90));
  QApplication::setPalette(buttons, "QPushButton");
  QPalette boxes = QApplication::palette();
  SetEveryGroup(boxes, QPalette::WindowText, Colour(0x2f5d34));
  QApplication::setPalette(boxes, "QGroupBox");
}

}  // namespace quelmo
