#pragma once
// What the user may type into an edit: digits only for number fields, and at
// most a number of bytes of the stored code page (GBK), counted by the core's
// checked conversion so that a character GBK cannot hold is refused rather
// than silently stored as '?'. Programmatic texts are not held to it.

#include <QValidator>

namespace quelmo {

class EditInputValidator final : public QValidator {
 public:
  explicit EditInputValidator(QObject* parent = nullptr) : QValidator(parent) {}

  void SetDigitsOnly(bool digits_only) { digits_only_ = digits_only; }
  // A negative limit: none.
  void SetByteLimit(int bytes) { byte_limit_ = bytes; }
  // At most this many characters of any kind (a negative limit: none).
  void SetCharacterLimit(int characters) { character_limit_ = characters; }

  State validate(QString& input, int& position) const override;

 private:
  bool digits_only_ = false;
  int byte_limit_ = -1;
  int character_limit_ = -1;
};

}  // namespace quelmo
