#include "mail_check/base64.h"

namespace quelmo {

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string base64;
  base64.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 2]);
    base64 += kDigits[(value >> 18) & 63];
    base64 += kDigits[(value >> 12) & 63];
    base64 += i + 1 < bytes.size() ? kDigits[(value >> 6) & 63] : '=';
    base64 += i + 2 < bytes.size() ? kDigits[value & 63] : '=';
  }
  return base64;
}

}  // namespace quelmo
