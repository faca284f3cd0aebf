#include "controls/integer_edit.h"

#include <optional>

#include "controls/field_integer.h"
#include "controls/framework_messages.h"
#include "controls/integer_range.h"

namespace quelmo {

IntegerEdit::IntegerEdit(FormView& view, ControlId edit, int minimum, int maximum,
                         RangeWording wording, int language_index)
    : view_(view),
      edit_(edit),
      minimum_(minimum),
      maximum_(maximum),
      wording_(wording),
      language_(language_index) {}

bool IntegerEdit::Take(int& held) const {
  const std::optional<int> value = ParseFieldInteger(view_.Text(edit_));
  if (!value) return true;  // being typed: said on leaving or saving
  if (wording_ == RangeWording::kProgram) {
    if (!CheckIntegerRange(view_, edit_, *value, minimum_, maximum_, language_)) return false;
  } else if (!InRange(*value)) {
    view_.ShowMessage(FrameworkRangeMessage(minimum_, maximum_, language_),
                      MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit_);
    return false;
  }
  // Only a value in range is kept, so nothing out of range reaches a file.
  held = *value;
  return true;
}

bool IntegerEdit::TakeForWrite(int& held) const {
  if (!ParseFieldInteger(view_.Text(edit_))) {
    view_.ShowMessage(NotAnIntegerMessage(language_), MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit_);
    return false;
  }
  return Take(held);
}

bool IntegerEdit::ZeroIfOutOfRange(int& held) const {
  const std::optional<int> value = ParseFieldInteger(view_.Text(edit_));
  if (!value || InRange(*value)) return false;
  held = 0;
  return true;
}

void IntegerEdit::Left(ControlId id) const {
  if (id != edit_ || ParseFieldInteger(view_.Text(edit_))) return;
  view_.ShowMessage(NotAnIntegerMessage(language_), MessageIcon::kWarning);
}

}  // namespace quelmo
