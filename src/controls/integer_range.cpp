#include "controls/integer_range.h"

#include "text/language_code.h"

namespace quelmo {

// Language 1 reads the Chinese message; every other code the English one.
std::string IntegerRangeMessage(int minimum, int maximum, int language_index) {
  const std::string low = std::to_string(minimum);
  const std::string high = std::to_string(maximum);
  if (language_index == kChinese) return "请输入一个介于" + low + "和" + high + "之间的值!";
  return "Please enter an integer between " + low + " and " + high + "!";
}

bool CheckIntegerRange(FormView& view, ControlId field, int value, int minimum, int maximum,
                       int language_index) {
  if (value >= minimum && value <= maximum) return true;
  view.ShowMessage(IntegerRangeMessage(minimum, maximum, language_index), MessageIcon::kApp);
  view.FocusAndSelectAll(field);
  return false;
}

}  // namespace quelmo
