#pragma once
// Where an edit's caret is, as the user sees it: a selection from start to
// end, or a plain caret when both are the same. Counted in characters.

#include <ostream>

namespace quelmo {

struct CaretPlace {
  int start = 0;
  int end = 0;
  friend bool operator==(const CaretPlace&, const CaretPlace&) = default;
  friend void PrintTo(const CaretPlace& place, std::ostream* out) {
    *out << "[" << place.start << ", " << place.end << ")";
  }
};

}  // namespace quelmo
