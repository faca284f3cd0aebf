#pragma once
// Some languages' texts are wider than the control the template gives them (a
// German button label, a list entry). Such a control takes room from the free
// space beside it in its row: to the right first, then to the left, never
// closer than a gap to a neighbour's frame or the ink of its text, and never
// out of its group box or the window. Only a text that still does not fit gets
// a smaller font, step by step down to a floor. The fit starts over from the
// template places every time, so a shorter text gives the room back.
//
// This is geometry alone, in pixels: each host measures its texts in its own
// fonts (TextMeasure) and applies the places and fonts the fit returns.

#include <cstddef>
#include <optional>
#include <vector>

namespace quelmo {

struct FitRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }  // one past the last column
  int Bottom() const { return top + height; }
  bool Empty() const { return width <= 0 || height <= 0; }
  // `other` lies wholly inside; an empty rectangle contains and is contained
  // by none.
  bool Contains(const FitRect& other) const;
  // The two have rows of pixels in common.
  bool SharesRow(const FitRect& other) const;
  bool operator==(const FitRect&) const = default;
};

// A stretch of a row, from `left` up to but not including `right`.
struct RowExtent {
  int left = 0;
  int right = 0;
};

enum class FitRole {
  kFixed,      // keeps its place and font, and stands in the way with its frame
  kText,       // a push button or a list: widened, its frame stands in the way
  kLabel,      // widened; only the ink of its text stands in the way
  kContainer,  // a group box: bounds the controls inside it; its title may shrink
};

struct FitControl {
  FitRect home;  // its place in the template
  FitRole role = FitRole::kFixed;
};

// What the fit asks of the host about control `index` (its position in the
// list given to FitTexts), in the dialog font made `smaller` steps smaller
// (0: the dialog font itself).
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The width of the widest text it shows (a list: of all its entries, where
  // one not drawn now may be given an upper bound of its width); 0 for none.
  virtual int WidestText(std::size_t index, int smaller) = 0;
  // The width its frame leaves for the text when the control is `width`
  // pixels wide.
  virtual int TextRoom(std::size_t index, int width, int smaller) = 0;
  // A label: where the ink of its text lies when it is placed at `place`;
  // nullopt when it shows no text. Asked of kLabel controls only.
  virtual std::optional<RowExtent> Ink(std::size_t index, const FitRect& place, int smaller) = 0;
};

struct TextFitOptions {
  FitRect area;       // the window's client area
  int gap = 1;        // the least space between neighbours, twice that inside a frame
  int smallest = 0;   // how many steps the font may shrink at most
};

struct TextFit {
  std::vector<FitRect> places;  // one per control, in the order given
  std::vector<int> smaller;     // font steps below the dialog font; 0 for most
};

TextFit FitTexts(const std::vector<FitControl>& controls, TextMeasure& measure,
                 const TextFitOptions& options);

}  // namespace quelmo
