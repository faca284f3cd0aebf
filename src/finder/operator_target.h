#pragma once
// What the "Find operator…" window asks of the form it was opened from:
// the values a provider would give that form, to show them, and taking them.

#include <string>
#include <vector>

#include "operators/operator_database.h"

namespace quelmo {

struct OperatorPreviewRow {
  std::string label;  // the form's own label of the field, in its language
  std::string value;  // UTF-8; empty when the form cannot take it
};

struct OperatorPreview {
  std::vector<OperatorPreviewRow> rows;  // in the form's order
  std::string findings;  // what the form cannot take, one line each; empty when none
};

class OperatorTarget {
 public:
  virtual ~OperatorTarget() = default;
  // The form's Customer values from `provider`, in the form's order.
  virtual OperatorPreview PreviewOperator(const OperatorProvider& provider) const = 0;
  // Switches to Customer mode and takes the values; a value the file cannot
  // hold is named in a message and left for the user to type.
  virtual void ApplyOperator(const OperatorProvider& provider) = 0;
};

}  // namespace quelmo
