#include "qt/edit_input_validator.h"

#include "text/gbk.h"

namespace quelmo {

QValidator::State EditInputValidator::validate(QString& input, int& position) const {
  (void)position;
  if (digits_only_) {
    for (const QChar c : input) {
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
    }
  }
  if (byte_limit_ >= 0) {
    const Result<std::string> stored = Utf8ToGbk(input.toStdString());
    if (!stored || stored->size() > static_cast<std::size_t>(byte_limit_)) return Invalid;
  }
  if (character_limit_ >= 0 && input.toUcs4().size() > character_limit_) return Invalid;
  return Acceptable;
}

}  // namespace quelmo
