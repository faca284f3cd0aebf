#pragma once
// A form's balloon hint as the system's own tooltip in balloon style, tracked
// by hand: the core's BalloonHint decides when it shows, hides and moves and
// where; this gives it the tooltip, the form's timers, the screen and the
// cursor. The form passes its input messages (Relay) and its timer messages
// (TimerMessage) on.

#include <string>

#include "controls/balloon_hint.h"
#include "win32/win32_api.h"

namespace quelmo {

class BalloonTooltip final : public HintHost {
 public:
  // Attaches itself to `hint`; detaches and destroys the tooltip when
  // destroyed.
  BalloonTooltip(BalloonHint& hint, HWND form);
  ~BalloonTooltip() override;
  BalloonTooltip(const BalloonTooltip&) = delete;
  BalloonTooltip& operator=(const BalloonTooltip&) = delete;

  HWND Tooltip() const { return tooltip_; }

  // An input message of the form's thread, before it is handled.
  void Relay(const MSG& message);
  // A WM_TIMER of the form: true when it was one of the hint's.
  bool TimerMessage(WPARAM timer_id);

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

 private:
  void UpdateText();

  BalloonHint& hint_;
  HWND form_;
  HWND tooltip_ = nullptr;
  std::wstring text_;
  bool shown_ = false;
};

}  // namespace quelmo
