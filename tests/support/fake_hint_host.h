#pragma once
// A balloon window for tests: records where the balloon was put and whether
// it shows, keeps the running timers, and lets a test move the cursor and
// fire a timer as the clock would.

#include <map>
#include <string>
#include <optional>

#include "controls/balloon_hint.h"

namespace quelmo {

class FakeHintHost final : public HintHost {
 public:
  // --- the test's world ---
  HintSize screen{1024, 768};
  bool cursorOverControl = true;
  std::map<ControlId, HintRect> controlRects;
  std::map<ControlId, std::string> descriptions;  // what each control's hint says

  // --- what the hint did ---
  std::optional<HintRect> placed;  // the last MoveHidden, as left/top/right/bottom
  bool visible = false;
  int showCalls = 0;
  int repaints = 0;
  std::map<int, int> timers;  // running timer id -> period in ms

  bool Running(int id) const { return timers.count(id) != 0; }
  std::optional<int> Period(int id) const {
    const auto it = timers.find(id);
    return it == timers.end() ? std::nullopt : std::optional<int>(it->second);
  }

  void MoveHidden(int x, int y, int width, int height) override {
    placed = HintRect{x, y, x + width, y + height};
  }
  void Show() override {
    visible = true;
    ++showCalls;
  }
  void Hide() override { visible = false; }
  bool Visible() const override { return visible; }
  void StartTimer(int id, int period_ms) override { timers[id] = period_ms; }
  void StopTimer(int id) override { timers.erase(id); }
  HintSize ScreenSize() const override { return screen; }
  bool CursorOverFormControl() const override { return cursorOverControl; }
  std::optional<HintRect> ControlScreenRect(ControlId id) const override {
    const auto it = controlRects.find(id);
    return it == controlRects.end() ? std::nullopt : std::optional<HintRect>(it->second);
  }
  void Repaint() override { ++repaints; }
  void DescribeControl(ControlId id, const std::string& text) override { descriptions[id] = text; }
};

}  // namespace quelmo
