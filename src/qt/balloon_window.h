#pragma once
// The window of a form's balloon hint: a frameless popup shaped as an ellipse
// with a small pointer, painted with the hint's colours, font and text. It
// gives the hint its timers, the screen and the cursor, and relays the form's
// mouse and key presses to it.

#include <QTimer>
#include <QWidget>

#include "controls/balloon_hint.h"

namespace quelmo {

class DialogWindow;

class BalloonWindow final : public QWidget, public HintHost {
  Q_OBJECT

 public:
  // Attaches itself to `hint` and watches `form` for input; detaches when
  // destroyed.
  BalloonWindow(BalloonHint& hint, DialogWindow& form);
  ~BalloonWindow() override;

  // HintHost
  void MoveHidden(int x, int y, int width, int height) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void StartTimer(int id, int period_ms) override;
  void StopTimer(int id) override;
  HintSize ScreenSize() const override;
  bool CursorOverFormControl() const override;
  std::optional<HintRect> ControlScreenRect(ControlId id) const override;
  void Repaint() override;
  void DescribeControl(ControlId id, const std::string& text) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer* TimerFor(int id);
  void Reshape();

  BalloonHint& hint_;
  DialogWindow& form_;
  QTimer hide_timer_;
  QTimer show_timer_;
};

}  // namespace quelmo
