#include "qt/balloon_window.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QFontMetrics>
#include <QInputEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <QScreen>

#include "qt/dialog_window.h"

namespace quelmo {
namespace {

QColor ColourOf(HintColour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QRect RectOf(const HintRect& rect) {
  return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

QPolygon PointerOf(const BalloonGeometry& geometry) {
  QPolygon pointer;
  for (const HintPoint& corner : geometry.pointer) pointer << QPoint(corner.x, corner.y);
  return pointer;
}

// The hint's font height is a cell height (ascent plus descent), as a
// positive font height is on Windows; Qt's pixel size is the em, a bit less.
QFont BalloonFont(const BalloonHint& hint) {
  QFont font(QString::fromLatin1(hint.FontFace()));
  int pixels = hint.FontHeight();
  font.setPixelSize(pixels);
  while (pixels > 6 && QFontMetrics(font).height() > hint.FontHeight()) {
    font.setPixelSize(--pixels);
  }
  return font;
}

}  // namespace

BalloonWindow::BalloonWindow(BalloonHint& hint, DialogWindow& form)
    : QWidget(&form, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      hint_(hint),
      form_(form) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("balloonHint"));
  resize(hint_.width, hint_.height);
  Reshape();
  connect(&hide_timer_, &QTimer::timeout, this, [this] { hint_.TimerFired(kHintHideTimer); });
  connect(&show_timer_, &QTimer::timeout, this, [this] { hint_.TimerFired(kHintShowTimer); });
  qApp->installEventFilter(this);
  hint_.Attach(this);
}

void BalloonWindow::DescribeControl(ControlId id, const std::string& text) {
  if (QWidget* control = form_.Control(id)) control->setAccessibleDescription(QString::fromStdString(text));
}

BalloonWindow::~BalloonWindow() {
  qApp->removeEventFilter(this);
  hint_.Attach(nullptr);
}

void BalloonWindow::MoveHidden(int x, int y, int width, int height) {
  setGeometry(x, y, width, height);
  raise();
}

void BalloonWindow::Show() {
  show();
  raise();
}

void BalloonWindow::Hide() { hide(); }

bool BalloonWindow::Visible() const { return isVisible(); }

QTimer* BalloonWindow::TimerFor(int id) {
  if (id == kHintHideTimer) return &hide_timer_;
  if (id == kHintShowTimer) return &show_timer_;
  return nullptr;
}

void BalloonWindow::StartTimer(int id, int period_ms) {
  if (QTimer* timer = TimerFor(id)) timer->start(period_ms);
}

void BalloonWindow::StopTimer(int id) {
  if (QTimer* timer = TimerFor(id)) timer->stop();
}

HintSize BalloonWindow::ScreenSize() const {
  const QScreen* screen = form_.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return HintSize{hint_.width, hint_.height};
  const QRect area = screen->geometry();
  return HintSize{area.x() + area.width(), area.y() + area.height()};
}

bool BalloonWindow::CursorOverFormControl() const {
  const QWidget* under = QApplication::widgetAt(QCursor::pos());
  return under != nullptr && under != &form_ && form_.isAncestorOf(under);
}

std::optional<HintRect> BalloonWindow::ControlScreenRect(ControlId id) const {
  const QWidget* control = form_.Control(id);
  if (control == nullptr) return std::nullopt;
  const QPoint top_left = control->mapToGlobal(QPoint(0, 0));
  return HintRect{top_left.x(), top_left.y(), top_left.x() + control->width(),
                  top_left.y() + control->height()};
}

void BalloonWindow::Repaint() { update(); }

void BalloonWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Reshape();
}

void BalloonWindow::Reshape() {
  const BalloonGeometry geometry = BalloonGeometryFor(width(), height());
  const QRegion body(RectOf(geometry.bodyEllipse), QRegion::Ellipse);
  setMask(body.united(QRegion(PointerOf(geometry), Qt::OddEvenFill)));
}

void BalloonWindow::paintEvent(QPaintEvent* event) {
  (void)event;
  const BalloonGeometry geometry = BalloonGeometryFor(width(), height());
  QPainterPath outline;
  outline.addEllipse(QRectF(RectOf(geometry.bodyEllipse)));
  QPainterPath pointer;
  pointer.addPolygon(QPolygonF(PointerOf(geometry)));
  pointer.closeSubpath();
  outline = outline.united(pointer);

  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(outline, ColourOf(hint_.fillColour));
  // Half of the pen lies outside the window's shape: a frame about two
  // pixels wide remains.
  painter.strokePath(outline, QPen(ColourOf(hint_.frameColour), 4));

  const QFont font = BalloonFont(hint_);
  painter.setFont(font);
  painter.setPen(ColourOf(hint_.TextColour()));
  const QString text = QString::fromStdString(hint_.Text());
  const QRect text_rect = RectOf(geometry.textRect);
  const int text_width = QFontMetrics(font).horizontalAdvance(text);
  if (hint_.Layout(text_width) == HintTextLayout::kSingleLineCentred) {
    painter.drawText(text_rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  } else {
    painter.drawText(text_rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
  }
}

bool BalloonWindow::eventFilter(QObject* watched, QEvent* event) {
  HintEventKind kind = HintEventKind::kOther;
  switch (event->type()) {
    case QEvent::KeyPress:
      kind = HintEventKind::kKeyDown;
      break;
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) kind = HintEventKind::kLeftButtonDown;
      else if (mouse->button() == Qt::RightButton) kind = HintEventKind::kRightButtonDown;
      break;
    }
    case QEvent::NonClientAreaMouseButtonPress:
      kind = HintEventKind::kNonClientButtonDown;
      break;
    default:
      return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (kind == HintEventKind::kOther || widget == nullptr || widget->window() != &form_) return false;

  // An ignored event travels on to the parent widgets; the hint sees it only
  // at its first receiver: the focus widget for keys, the widget under the
  // mouse for clicks.
  if (kind == HintEventKind::kKeyDown) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr ? widget != focus : widget != &form_) return false;
  } else {
    const QPoint local = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (widget->childAt(local) != nullptr) return false;
  }

  HintEvent relayed;
  relayed.kind = kind;
  relayed.target = form_.ControlIdOf(widget);
  relayed.focusPresent = QApplication::focusWidget() != nullptr;
  if (kind != HintEventKind::kKeyDown) {
    const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    relayed.screenPoint = HintPoint{global.x(), global.y()};
  }
  hint_.RelayEvent(relayed);
  return false;
}

}  // namespace quelmo
