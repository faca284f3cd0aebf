#pragma once
// What a screen reader says for each control a user can reach, and the order
// the keyboard reaches them in, worked out from a template's geometry alone,
// so that every window (and every window added later) gets them without a
// list of its own.
//
// A push button is named by its own text. An edit or a list is named by the
// label beside it (to its left, in its row and its group box), else by the
// label just above it in its group box, else by its group box's title; a
// push button to the left of an edit names it too (the "Select" beside the
// folder it picks). A few places where the geometry says otherwise are
// named by a table (accessible_names.cpp).
//
// The order is reading order: the window is cut into blocks along the widest
// free lane between its group boxes and loose controls (columns of boxes are
// read one after the other), and inside a group box row by row, each row left
// to right.

#include <cstddef>
#include <optional>
#include <vector>

#include "dialogs/dialog_template.h"

namespace quelmo {

struct AccessibleControl {
  std::size_t control = 0;  // index into DialogTemplate::controls
  // Index of the control whose current text is the name: the control itself
  // for a push button; nullopt when nothing in the window names it.
  std::optional<std::size_t> label;
  bool operator==(const AccessibleControl&) const = default;
};

// Push buttons, edits and lists: the controls a user can reach with Tab.
bool IsInteractive(ControlKind kind);

// Every interactive control of `dialog`, in reading order, with its label.
std::vector<AccessibleControl> AccessibleControls(const DialogTemplate& dialog);

// The controls of `dialog` in the order a native dialog should create them:
// its group boxes first (in their own order, so that each still clips the
// ones before it), then every interactive control in reading order, each
// right after the label that names it where that label names no earlier
// control (screen readers take a field's name from the label just before it
// in the window's child order), then the rest. A dialog's Tab order is its
// creation order.
DialogTemplate InCreationOrder(const DialogTemplate& dialog);

}  // namespace quelmo
