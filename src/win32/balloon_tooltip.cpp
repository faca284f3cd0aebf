#include "win32/balloon_tooltip.h"

#include "text/utf16.h"

namespace quelmo {
namespace {

// The form's timer ids for the hint's timers, clear of any a form uses.
constexpr UINT_PTR kTimerBase = 0x5100;
constexpr UINT_PTR kToolId = 1;

TOOLINFOW ToolOf(HWND form, std::wstring& text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = form;
  tool.uId = kToolId;
  tool.lpszText = text.data();
  return tool;
}

COLORREF ColourOf(HintColour colour) { return RGB(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

}  // namespace

BalloonTooltip::BalloonTooltip(BalloonHint& hint, HWND form) : hint_(hint), form_(form), text_(L" ") {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ != nullptr) {
    TOOLINFOW tool = ToolOf(form_, text_);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    hint_.Attach(this);
  }
}

BalloonTooltip::~BalloonTooltip() {
  hint_.Attach(nullptr);
  KillTimer(form_, kTimerBase + kHintHideTimer);
  KillTimer(form_, kTimerBase + kHintShowTimer);
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

void BalloonTooltip::UpdateText() {
  text_ = Wide(hint_.Text());
  if (text_.empty()) text_ = L" ";  // an empty text would hide the tooltip
  TOOLINFOW tool = ToolOf(form_, text_);
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, ColourOf(hint_.fillColour), 0);
  SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, ColourOf(hint_.TextColour()), 0);
}

void BalloonTooltip::MoveHidden(int x, int y, int width, int height) {
  // The balloon's stem points where the hint's own pointer would: the left
  // tip of the shape placed at (x, y).
  const BalloonGeometry geometry = BalloonGeometryFor(width, height);
  const HintPoint tip = geometry.pointer[0];
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
  SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(x + tip.x, y + tip.y));
}

void BalloonTooltip::Show() {
  UpdateText();
  TOOLINFOW tool = ToolOf(form_, text_);
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  shown_ = true;
}

void BalloonTooltip::Hide() {
  TOOLINFOW tool = ToolOf(form_, text_);
  SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  shown_ = false;
}

bool BalloonTooltip::Visible() const { return shown_ && IsWindowVisible(tooltip_); }

void BalloonTooltip::StartTimer(int id, int period_ms) {
  SetTimer(form_, kTimerBase + static_cast<UINT_PTR>(id), static_cast<UINT>(period_ms), nullptr);
}

void BalloonTooltip::StopTimer(int id) { KillTimer(form_, kTimerBase + static_cast<UINT_PTR>(id)); }

bool BalloonTooltip::TimerMessage(WPARAM timer_id) {
  if (timer_id != kTimerBase + kHintHideTimer && timer_id != kTimerBase + kHintShowTimer) return false;
  hint_.TimerFired(static_cast<int>(timer_id - kTimerBase));
  return true;
}

HintSize BalloonTooltip::ScreenSize() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(form_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return HintSize{monitor.rcMonitor.right, monitor.rcMonitor.bottom};
  }
  return HintSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool BalloonTooltip::CursorOverFormControl() const {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return false;
  HWND under = WindowFromPoint(cursor);
  return under != nullptr && under != form_ && IsChild(form_, under);
}

std::optional<HintRect> BalloonTooltip::ControlScreenRect(ControlId id) const {
  HWND control = GetDlgItem(form_, id);
  RECT rect{};
  if (control == nullptr || !GetWindowRect(control, &rect)) return std::nullopt;
  return HintRect{rect.left, rect.top, rect.right, rect.bottom};
}

void BalloonTooltip::Repaint() {
  if (shown_) UpdateText();
}

void BalloonTooltip::Relay(const MSG& message) {
  HintEvent event;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      event.kind = HintEventKind::kKeyDown;
      break;
    case WM_LBUTTONDOWN:
      event.kind = HintEventKind::kLeftButtonDown;
      break;
    case WM_RBUTTONDOWN:
      event.kind = HintEventKind::kRightButtonDown;
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      event.kind = HintEventKind::kNonClientButtonDown;
      break;
    default:
      return;
  }
  if (message.hwnd != form_ && !IsChild(form_, message.hwnd)) return;
  // A combo box's edit part counts as the combo box.
  for (HWND window = message.hwnd; window != nullptr && window != form_;
       window = GetParent(window)) {
    if (GetParent(window) == form_) {
      const int id = GetDlgCtrlID(window);
      if (id > 0 && id != 0xFFFF) event.target = id;
      break;
    }
  }
  event.screenPoint = HintPoint{message.pt.x, message.pt.y};
  event.focusPresent = GetFocus() != nullptr;
  hint_.RelayEvent(event);
}

}  // namespace quelmo
