#pragma once
// A balloon-shaped hint that a form shows near the mouse when the user clicks
// one of its registered controls. This is the state machine only: which tool
// is current, when the balloon moves, shows and hides, and its geometry and
// colours. The window, its timers, the cursor and the screen belong to a host.
//
// How a host drives it:
//   1. Make the popup window (hidden, frameless, never activated) and call
//      hint.Attach(&host). Until then, and after Attach(nullptr), the hint
//      registers tools but never moves, shows or starts timers.
//   2. Shape the window as body ellipse united with the pointer triangle
//      (hint.Geometry()); paint that shape filled with fillColour and framed
//      with frameColour (2 pixels wide, 1 high), then Text() in TextColour()
//      with FontFace()/FontHeight() on a transparent background;
//      Layout(measured text width) says whether the text sits on one line
//      centred in the text rectangle or wraps from its top.
//   3. Pass every input event the form's window receives, before handling it,
//      to hint.RelayEvent(...) as a HintEvent.
//   4. When a timer started through HintHost::StartTimer fires, call
//      hint.TimerFired(id). Timers repeat until stopped.
//   5. Detach (Attach(nullptr)) before the host goes away if the hint outlives
//      it; the hint's destructor stops its timers through an attached host.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "controls/form_view.h"

namespace quelmo {

// 0x00BBGGRR, as the colours are given.
using HintColour = std::uint32_t;
constexpr int RedOf(HintColour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(HintColour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(HintColour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr HintColour Rgb(int red, int green, int blue) {
  return static_cast<HintColour>(red & 0xFF) | (static_cast<HintColour>(green & 0xFF) << 8) |
         (static_cast<HintColour>(blue & 0xFF) << 16);
}

struct HintPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const HintPoint&, const HintPoint&) = default;
};

struct HintSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const HintSize&, const HintSize&) = default;
};

// Right and bottom are exclusive, as window rectangles are.
struct HintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(HintPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const HintRect&, const HintRect&) = default;
};

// The balloon's shape in window coordinates (the window's top-left is 0, 0).
struct BalloonGeometry {
  HintRect textRect;     // where the text is drawn
  HintRect bodyEllipse;  // bounding box of the ellipse: (10, 0) to (W, H)
  HintPoint pointer[3];  // the small triangle pointing left, filled alternate
};

// How the text sits in the text rectangle.
enum class HintTextLayout {
  kSingleLineCentred,  // narrower than the text rectangle
  kWrappedFromTop,     // centred horizontally, word-wrapped, from the top
};

inline constexpr int kHintHideTimer = 1;
inline constexpr int kHintShowTimer = 2;

// What the hint needs of the window system. All coordinates are screen pixels.
class HintHost {
 public:
  virtual ~HintHost() = default;
  // Moves and resizes the balloon window, on top of the window order, without
  // activating or showing it.
  virtual void MoveHidden(int x, int y, int width, int height) = 0;
  // Shows the window without activating it (again if already shown).
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // A repeating timer; starting a running id restarts it with the new period.
  virtual void StartTimer(int id, int period_ms) = 0;
  virtual void StopTimer(int id) = 0;
  virtual HintSize ScreenSize() const = 0;
  // Whether the window under the cursor is one of the owner form's controls.
  virtual bool CursorOverFormControl() const = 0;
  // The control's window rectangle on the screen; nullopt when unknown.
  virtual std::optional<HintRect> ControlScreenRect(ControlId id) const = 0;
  // The text or colours changed: paint again.
  virtual void Repaint() = 0;
  // A control's hint, as it is registered or when the host is attached: what
  // a screen reader may read as the control's description.
  virtual void DescribeControl(ControlId /*id*/, const std::string& /*text*/) {}
};

enum class HintEventKind {
  kKeyDown,
  kLeftButtonDown,
  kRightButtonDown,
  kNonClientButtonDown,  // left or right, on a title bar or frame
  kOther,
};

struct HintEvent {
  HintEventKind kind = HintEventKind::kOther;
  HintPoint screenPoint;
  // The control the event is aimed at; nullopt for the form itself or
  // anything that is not one of its controls.
  std::optional<ControlId> target;
  // Whether some window of the program has the keyboard focus.
  bool focusPresent = true;
};

class BalloonHint {
 public:
  static constexpr int kDefaultWidth = 200;
  static constexpr int kDefaultHeight = 80;
  static constexpr HintColour kDefaultFillColour = 0xBCFEF9;   // RGB(249, 254, 188)
  static constexpr HintColour kDefaultFrameColour = 0xFF0000;  // RGB(0, 0, 255)
  static constexpr int kDefaultSeconds = 5;
  static constexpr int kDefaultDelayMs = 200;
  static constexpr int kFontHeight = 14;
  static constexpr const char* kFontFace = "Arial";

  BalloonHint() = default;
  BalloonHint(const BalloonHint&) = delete;
  BalloonHint& operator=(const BalloonHint&) = delete;
  ~BalloonHint();

  // Binds the hint to its window (nullptr: none, as when the window could not
  // be made). Stops the timers of a previous host.
  void Attach(HintHost* host);
  bool Attached() const { return host_ != nullptr; }

  // Registers or replaces the hint of a control. Negative seconds or delay
  // take the defaults as they are now.
  void AddTool(ControlId control, std::string text, HintColour text_colour = 0, int seconds = -1,
               int delay_ms = -1);

  void RelayEvent(const HintEvent& event);
  void TimerFired(int timer_id);

  // Places the balloon at a screen point, kept fully on the screen, and starts
  // the hide timer (seconds > 0) and the show-check timer (delay > 0).
  void ShowAt(HintPoint point, int seconds, int delay_ms);
  // Hides a shown balloon and stops both timers; a hidden one is left as is.
  void HideHint();

  // Forms may change these right after making the hint.
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  HintColour fillColour = kDefaultFillColour;
  HintColour frameColour = kDefaultFrameColour;
  int defaultSeconds = kDefaultSeconds;
  int defaultDelayMs = kDefaultDelayMs;

  // What the host paints.
  BalloonGeometry Geometry() const;
  HintTextLayout Layout(int text_width) const;
  const std::string& Text() const { return text_; }
  HintColour TextColour() const { return text_colour_; }
  const char* FontFace() const { return kFontFace; }
  int FontHeight() const { return kFontHeight; }

  std::optional<ControlId> CurrentTool() const { return current_tool_; }
  bool HideTimerRunning() const { return hide_timer_running_; }
  bool ShowTimerRunning() const { return show_timer_running_; }

 private:
  struct Tool {
    std::string text;
    HintColour textColour = 0;
    int seconds = 0;
    int delayMs = 0;
  };

  void OnLeftButtonDown(const HintEvent& event);
  void StartToolHint(ControlId control, HintPoint point);
  void StopTimer(int id);
  void StopBothTimers();

  HintHost* host_ = nullptr;
  std::map<ControlId, Tool> tools_;
  std::optional<ControlId> current_tool_;
  std::string text_;
  HintColour text_colour_ = 0;
  bool hide_timer_running_ = false;
  bool show_timer_running_ = false;
};

// Geometry of a balloon window of this size: for 200 x 80 the text rectangle
// is (38, 12)-(172, 68).
BalloonGeometry BalloonGeometryFor(int width, int height);

}  // namespace quelmo
