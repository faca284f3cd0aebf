#include "controls/integer_range.h"

#include "text/translate.h"

namespace quelmo {

std::string IntegerRangeMessage(int minimum, int maximum, int language_index) {
  return FillIn(Translate(language_index, "Please enter an integer between {minimum} and {maximum}!"),
                {{"minimum", std::to_string(minimum)}, {"maximum", std::to_string(maximum)}});
}

bool CheckIntegerRange(FormView& view, ControlId field, int value, int minimum, int maximum,
                       int language_index) {
  if (value >= minimum && value <= maximum) return true;
  view.ShowMessage(IntegerRangeMessage(minimum, maximum, language_index), MessageIcon::kApp);
  view.FocusAndSelectAll(field);
  return false;
}

}  // namespace quelmo
