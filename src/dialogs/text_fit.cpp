#include "dialogs/text_fit.h"

#include <algorithm>

namespace quelmo {

bool FitRect::Contains(const FitRect& other) const {
  if (Empty() || other.Empty()) return false;
  return left <= other.left && other.Right() <= Right() && top <= other.top &&
         other.Bottom() <= Bottom();
}

bool FitRect::SharesRow(const FitRect& other) const {
  return top < other.Bottom() && other.top < Bottom();
}

namespace {

class Fitting {
 public:
  Fitting(const std::vector<FitControl>& controls, TextMeasure& measure,
          const TextFitOptions& options)
      : controls_(controls), measure_(measure), options_(options) {
    fit_.places.reserve(controls.size());
    for (const FitControl& control : controls) fit_.places.push_back(control.home);
    fit_.smaller.assign(controls.size(), 0);
  }

  TextFit Run() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      if (controls_[i].role == FitRole::kFixed) continue;
      const int widest = measure_.WidestText(i, 0);
      const int room = Room(i, 0);
      if (widest <= room) continue;
      if (controls_[i].role != FitRole::kContainer) Widen(i, widest - room);
      if (widest > Room(i, 0)) Shrink(i);
    }
    return std::move(fit_);
  }

 private:
  int Room(std::size_t i, int smaller) {
    return measure_.TextRoom(i, fit_.places[i].width, smaller);
  }

  // What a control takes of its row now: a label the ink of its text, any
  // other control its frame; nothing for a label without text.
  std::optional<RowExtent> Occupied(std::size_t i) {
    const FitRect& place = fit_.places[i];
    if (controls_[i].role != FitRole::kLabel) return RowExtent{place.left, place.Right()};
    return measure_.Ink(i, place, fit_.smaller[i]);
  }

  // The innermost group box around a control's template place, if any.
  std::optional<std::size_t> ContainerOf(std::size_t i) const {
    std::optional<std::size_t> found;
    for (std::size_t box = 0; box < controls_.size(); ++box) {
      if (box == i || controls_[box].role != FitRole::kContainer) continue;
      if (!controls_[box].home.Contains(controls_[i].home)) continue;
      if (!found || controls_[*found].home.Contains(controls_[box].home)) found = box;
    }
    return found;
  }

  // Gives control `i` `need` more pixels of width from the free space of its
  // row: it keeps its left edge where it can and moves left only as far as it
  // must. Where the row has less to give, it takes all there is.
  void Widen(std::size_t i, int need) {
    const FitRect home = fit_.places[i];
    const std::optional<std::size_t> container = ContainerOf(i);
    const FitRect bounds = container ? fit_.places[*container] : options_.area;
    const int gap = options_.gap;
    // A group box's etched frame lies inside its edge.
    int low = bounds.left + 2 * gap;
    int high = bounds.Right() - 2 * gap;
    for (std::size_t other = 0; other < controls_.size(); ++other) {
      if (other == i) continue;
      if (controls_[other].role == FitRole::kContainer &&
          controls_[other].home.Contains(controls_[i].home)) {
        continue;
      }
      if (!fit_.places[other].SharesRow(home)) continue;
      const std::optional<RowExtent> taken = Occupied(other);
      if (!taken) continue;
      if (taken->right <= home.left) {
        low = std::max(low, taken->right + gap);
      } else if (taken->left >= home.Right()) {
        high = std::min(high, taken->left - gap);
      }
      // A neighbour the template already lets overlap stays out of the count.
    }
    const int width = home.width + need;
    FitRect place = home;
    if (high - low >= width) {
      place.left = std::clamp(home.left, low, high - width);
      place.width = width;
    } else {
      place.left = std::min(home.left, low);
      place.width = std::max(home.Right(), high) - place.left;
    }
    fit_.places[i] = place;
  }

  // A smaller font step by step until the text fits; the smallest allowed
  // when none does.
  void Shrink(std::size_t i) {
    for (int step = 1; step <= options_.smallest; ++step) {
      fit_.smaller[i] = step;
      if (measure_.WidestText(i, step) <= Room(i, step)) return;
    }
  }

  const std::vector<FitControl>& controls_;
  TextMeasure& measure_;
  const TextFitOptions& options_;
  TextFit fit_;
};

}  // namespace

TextFit FitTexts(const std::vector<FitControl>& controls, TextMeasure& measure,
                 const TextFitOptions& options) {
  return Fitting(controls, measure, options).Run();
}

}  // namespace quelmo
