// The placement of texts too wide for their controls, on hand-made geometry:
// a 200 x 100 window, a gap of 2 (4 inside a frame), texts measured by a
// fake whose widths each case gives.

#include "dialogs/text_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quelmo {

std::ostream& operator<<(std::ostream& out, const FitRect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

struct Control {
  FitRect home;
  FitRole role = FitRole::kFixed;
  int frame = 0;            // the width the frame keeps from the text
  std::vector<int> widest;  // the widest text's width, per font step
  int ink = 0;              // a label's text width; 0: no text
  bool centred = false;
};

class FakeMeasure final : public TextMeasure {
 public:
  explicit FakeMeasure(const std::vector<Control>& controls) : controls_(controls) {}

  int WidestText(std::size_t index, int smaller) override {
    const std::vector<int>& widths = controls_[index].widest;
    if (widths.empty()) return 0;
    return widths[std::min<std::size_t>(static_cast<std::size_t>(smaller), widths.size() - 1)];
  }
  int TextRoom(std::size_t index, int width, int /*smaller*/) override {
    return width - controls_[index].frame;
  }
  std::optional<RowExtent> Ink(std::size_t index, const FitRect& place, int /*smaller*/) override {
    const Control& c = controls_[index];
    if (c.ink == 0) return std::nullopt;
    const int left = c.centred ? place.left + (place.width - c.ink) / 2 : place.left;
    return RowExtent{left, left + c.ink};
  }

 private:
  const std::vector<Control>& controls_;
};

struct Case {
  const char* name;
  std::vector<Control> controls;
  int smallest;
  std::vector<FitRect> places;  // expected
  std::vector<int> smaller;     // expected
};

// A control that keeps its place: an edit, an icon.
Control Fixed(FitRect home) { return {home, FitRole::kFixed, 0, {}, 0, false}; }
// A push button or a list.
Control Text(FitRect home, int frame, std::vector<int> widest) {
  return {home, FitRole::kText, frame, std::move(widest), 0, false};
}
Control Label(FitRect home, std::vector<int> widest, int ink, bool centred = false) {
  return {home, FitRole::kLabel, 0, std::move(widest), ink, centred};
}
Control Box(FitRect home, int frame, std::vector<int> widest) {
  return {home, FitRole::kContainer, frame, std::move(widest), 0, false};
}

TEST(TextFit, PlacesAndFontsOnHandMadeGeometry) {
  const Case cases[] = {
      {"a text that fits keeps its place",
       {Text({10, 10, 40, 14}, 6, {34})},
       4,
       {{10, 10, 40, 14}},
       {0}},
      {"room to the right; a control in the next row is not in the way",
       {Text({10, 10, 40, 14}, 6, {60}), Fixed({60, 24, 40, 14})},
       4,
       {{10, 10, 66, 14}, {60, 24, 40, 14}},
       {0, 0}},
      {"at the window's edge it moves left as far as it must",
       {Text({150, 10, 40, 14}, 6, {60})},
       4,
       {{130, 10, 66, 14}},
       {0}},
      {"a neighbour the template lets overlap is not in the way",
       {Text({10, 10, 40, 14}, 6, {60}), Fixed({30, 10, 40, 14})},
       4,
       {{10, 10, 66, 14}, {30, 10, 40, 14}},
       {0, 0}},
      {"hemmed in: all the row has, then the first font step that fits",
       {Fixed({4, 40, 40, 14}), Text({50, 40, 40, 14}, 6, {80, 60, 46, 40}), Fixed({100, 40, 40, 14})},
       3,
       {{4, 40, 40, 14}, {46, 40, 52, 14}, {100, 40, 40, 14}},
       {0, 2, 0}},
      {"no step small enough: the smallest allowed",
       {Fixed({4, 40, 40, 14}), Text({50, 40, 40, 14}, 6, {80, 79, 78}), Fixed({100, 40, 40, 14})},
       2,
       {{4, 40, 40, 14}, {46, 40, 52, 14}, {100, 40, 40, 14}},
       {0, 2, 0}},
      {"no steps allowed: the font stays",
       {Fixed({4, 40, 40, 14}), Text({50, 40, 40, 14}, 6, {80, 40}), Fixed({100, 40, 40, 14})},
       0,
       {{4, 40, 40, 14}, {46, 40, 52, 14}, {100, 40, 40, 14}},
       {0, 0, 0}},
      {"a group box bounds a list inside it; a label's ink stops it on the left",
       {Box({4, 2, 110, 24}, 12, {0}),
        Label({8, 12, 50, 8}, {20}, 20),
        Text({60, 10, 48, 12}, 20, {60}),
        Fixed({150, 10, 40, 12})},
       4,
       {{4, 2, 110, 24}, {8, 12, 50, 8}, {30, 10, 80, 12}, {150, 10, 40, 12}},
       {0, 0, 0, 0}},
      {"a label's empty part and a label without text are not in the way",
       {Label({0, 62, 8, 8}, {}, 0),
        Text({10, 60, 40, 14}, 6, {60}),
        Label({60, 62, 100, 8}, {20}, 20, true)},
       4,
       {{0, 62, 8, 8}, {10, 60, 66, 14}, {60, 62, 100, 8}},
       {0, 0, 0}},
      {"a label too long for its row: as wide as the row allows, then smaller",
       {Label({4, 30, 40, 8}, {230, 195, 180}, 40)},
       2,
       {{4, 30, 192, 8}},
       {2}},
      {"a group box's title gets a smaller font, never a wider box",
       {Box({4, 4, 60, 40}, 12, {70, 50, 40})},
       3,
       {{4, 4, 60, 40}},
       {2}},
      {"a neighbour widened first stands in the way with its new place",
       {Text({10, 80, 40, 14}, 6, {120}), Text({150, 80, 40, 14}, 6, {60, 50})},
       1,
       {{10, 80, 126, 14}, {138, 80, 58, 14}},
       {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<FitControl> controls;
    for (const Control& control : c.controls) controls.push_back({control.home, control.role});
    FakeMeasure measure(c.controls);
    const TextFit fit = FitTexts(controls, measure, {{0, 0, 200, 100}, 2, c.smallest});
    EXPECT_EQ(fit.places, c.places);
    EXPECT_EQ(fit.smaller, c.smaller);
  }
}

}  // namespace
}  // namespace quelmo
