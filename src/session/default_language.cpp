#include "session/default_language.h"

#include "text/language_code.h"

namespace quelmo {

std::uint16_t DefaultLanguageCode(std::uint16_t system_language_id) {
  if (system_language_id == kChinesePrcLanguageId) return kChinese;
  if (system_language_id == kGermanLiechtensteinLanguageId) return kGerman;
  return kEnglish;
}

}  // namespace quelmo
