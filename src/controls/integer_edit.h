#pragma once
// An integer edit of a form (a daily limit, say): how its value is taken
// while the user types, when the user leaves the field and when the form
// saves.
//
// A field without a number (emptied, a lone sign) is a normal moment while
// typing: it is passed over in silence and the value held before stays. It
// is said once when the user leaves the field, and it stops a save, so that
// nothing the form no longer shows is written. A number out of range is
// reported at once.

#include "controls/form_view.h"

namespace quelmo {

// Whose range check a field has: the program's own (its message box and
// wording) or the framework's (the warning box and its wording).
enum class RangeWording { kProgram, kFramework };

class IntegerEdit {
 public:
  IntegerEdit(FormView& view, ControlId edit, int minimum, int maximum, RangeWording wording,
              int language_index);

  ControlId edit() const { return edit_; }

  // Field -> `held`, while the user types or the form exchanges values. A
  // number in range is taken. A number out of range shows its range message,
  // focuses the field and gives false; `held` stays. No number: true, `held`
  // stays, nothing said.
  bool Take(int& held) const;
  // As Take, for a write: no number shows the not-an-integer message,
  // focuses the field and gives false.
  bool TakeForWrite(int& held) const;
  // After a keystroke, once its message was shown: a number out of range
  // becomes 0 in `held`. True when it did, for the form to show the 0.
  bool ZeroIfOutOfRange(int& held) const;
  // The user left the control `id`: when that is this field and it holds no
  // number, the not-an-integer message. The field is left as it is.
  void Left(ControlId id) const;

 private:
  bool InRange(int value) const { return value >= minimum_ && value <= maximum_; }

  FormView& view_;
  ControlId edit_;
  int minimum_;
  int maximum_;
  RangeWording wording_;
  int language_;
};

}  // namespace quelmo
