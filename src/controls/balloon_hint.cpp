#include "controls/balloon_hint.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>

namespace quelmo {
namespace {

// The text rectangle is inscribed in the ellipse: half-extents times this
// constant, a hair above 1/sqrt(2), which fixes every pixel of the layout.
constexpr double kInscribedFactor = 0.7071085623775818;

// The left margin that the pointer triangle occupies.
constexpr int kPointerWidth = 10;

int MillisecondsOf(int seconds) {
  const std::int64_t ms = static_cast<std::int64_t>(seconds) * 1000;
  return static_cast<int>(std::min<std::int64_t>(ms, INT_MAX));
}

}  // namespace

BalloonGeometry BalloonGeometryFor(int width, int height) {
  const int body_width = width - kPointerWidth;
  const int half_w = static_cast<int>(body_width * 0.5 * kInscribedFactor);
  const int half_h = static_cast<int>(height * 0.5 * kInscribedFactor);

  BalloonGeometry geometry;
  geometry.textRect = {body_width / 2 - half_w + kPointerWidth, height / 2 - half_h,
                       body_width / 2 + half_w + kPointerWidth, height / 2 + half_h};
  geometry.bodyEllipse = {kPointerWidth, 0, width, height};
  geometry.pointer[0] = {0, height / 2 - 10};
  geometry.pointer[1] = {15, height / 2 - 5};
  geometry.pointer[2] = {15, height / 2 + 5};
  return geometry;
}

BalloonHint::~BalloonHint() { StopBothTimers(); }

void BalloonHint::Attach(HintHost* host) {
  if (host_ != nullptr && host_ != host) StopBothTimers();
  host_ = host;
  if (host_ == nullptr) return;
  for (const auto& [control, tool] : tools_) host_->DescribeControl(control, tool.text);
}

void BalloonHint::AddTool(ControlId control, std::string text, HintColour text_colour, int seconds,
                          int delay_ms) {
  Tool tool;
  tool.text = std::move(text);
  tool.textColour = text_colour;
  tool.seconds = seconds < 0 ? defaultSeconds : seconds;
  tool.delayMs = delay_ms < 0 ? defaultDelayMs : delay_ms;
  if (host_ != nullptr) host_->DescribeControl(control, tool.text);
  tools_[control] = std::move(tool);
}

void BalloonHint::RelayEvent(const HintEvent& event) {
  // Without a window there is nothing to show or hide.
  if (host_ == nullptr) return;
  switch (event.kind) {
    case HintEventKind::kKeyDown:
    case HintEventKind::kRightButtonDown:
    case HintEventKind::kNonClientButtonDown:
      HideHint();
      break;
    case HintEventKind::kLeftButtonDown:
      OnLeftButtonDown(event);
      break;
    case HintEventKind::kOther:
      break;
  }
}

void BalloonHint::OnLeftButtonDown(const HintEvent& event) {
  if (!event.focusPresent) return;
  const bool target_is_tool = event.target.has_value() && tools_.count(*event.target) != 0;

  if (!current_tool_.has_value()) {
    if (target_is_tool) StartToolHint(*event.target, event.screenPoint);
    return;
  }

  // A click inside the control whose hint was last started leaves everything
  // as it is, even after the hint ran out.
  const std::optional<HintRect> current_rect = host_->ControlScreenRect(*current_tool_);
  if (current_rect.has_value() && current_rect->Contains(event.screenPoint)) return;

  HideHint();
  current_tool_.reset();
  if (target_is_tool) StartToolHint(*event.target, event.screenPoint);
}

void BalloonHint::StartToolHint(ControlId control, HintPoint point) {
  const Tool& tool = tools_.at(control);
  text_colour_ = tool.textColour;
  text_ = tool.text;
  host_->Repaint();
  ShowAt(point, tool.seconds, tool.delayMs);
  current_tool_ = control;
}

void BalloonHint::ShowAt(HintPoint point, int seconds, int delay_ms) {
  if (host_ == nullptr) return;
  int x = std::max(point.x, 0);
  int y = std::max(point.y, 0);
  const HintSize screen = host_->ScreenSize();
  if (y + height > screen.height) y = screen.height - height;
  if (x + width > screen.width) x = screen.width - width;
  host_->MoveHidden(x, y, width, height);

  StopTimer(kHintHideTimer);
  if (seconds > 0) {
    host_->StartTimer(kHintHideTimer, MillisecondsOf(seconds));
    hide_timer_running_ = true;
  }
  StopTimer(kHintShowTimer);
  if (delay_ms > 0) {
    host_->StartTimer(kHintShowTimer, delay_ms);
    show_timer_running_ = true;
  }
}

void BalloonHint::TimerFired(int timer_id) {
  if (host_ == nullptr) return;
  if (timer_id == kHintHideTimer) {
    StopBothTimers();
    host_->Hide();
  } else if (timer_id == kHintShowTimer) {
    // Keeps running: the balloon shows (again) at each period while the
    // cursor is over the form, until the hide timer or a hiding event.
    if (host_->CursorOverFormControl()) host_->Show();
  }
}

void BalloonHint::HideHint() {
  if (host_ == nullptr || !host_->Visible()) return;
  host_->Hide();
  StopBothTimers();
}

HintTextLayout BalloonHint::Layout(int text_width) const {
  const HintRect rect = Geometry().textRect;
  return text_width < rect.right - rect.left ? HintTextLayout::kSingleLineCentred
                                             : HintTextLayout::kWrappedFromTop;
}

BalloonGeometry BalloonHint::Geometry() const { return BalloonGeometryFor(width, height); }

void BalloonHint::StopTimer(int id) {
  if (host_ != nullptr) host_->StopTimer(id);
  if (id == kHintHideTimer) hide_timer_running_ = false;
  if (id == kHintShowTimer) show_timer_running_ = false;
}

void BalloonHint::StopBothTimers() {
  StopTimer(kHintHideTimer);
  StopTimer(kHintShowTimer);
}

}  // namespace quelmo
