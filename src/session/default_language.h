#pragma once
// The language a first run starts in, from the system's default language
// identifier. Start-up and the stored preferences share this one rule.

#include <cstdint>

namespace quelmo {

inline constexpr std::uint16_t kChinesePrcLanguageId = 0x0804;
inline constexpr std::uint16_t kGermanLiechtensteinLanguageId = 0x1407;

// 0x0804 gives Chinese (1), 0x1407 German (3), anything else English (2),
// German Germany (0x0407) included.
std::uint16_t DefaultLanguageCode(std::uint16_t system_language_id);

}  // namespace quelmo
