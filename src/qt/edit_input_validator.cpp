#include "qt/edit_input_validator.h"

namespace quelmo {

QValidator::State EditInputValidator::validate(QString& input, int& position) const {
  (void)position;
  return rules_.Accepts(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace quelmo
