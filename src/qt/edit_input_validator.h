#pragma once
// What the user may type into an edit (TypingRules), as Qt asks it.

#include <QValidator>

#include "controls/typing_rules.h"

namespace quelmo {

class EditInputValidator final : public QValidator {
 public:
  explicit EditInputValidator(QObject* parent = nullptr) : QValidator(parent) {}

  void SetDigitsOnly(bool digits_only) { rules_.digitsOnly = digits_only; }
  // A negative limit: none.
  void SetByteLimit(int bytes) { rules_.byteLimit = bytes; }
  // At most this many characters of any kind (a negative limit: none).
  void SetCharacterLimit(int characters) { rules_.characterLimit = characters; }

  State validate(QString& input, int& position) const override;

 private:
  TypingRules rules_;
};

}  // namespace quelmo
