#pragma once
// Base64 as SMTP uses it (RFC 4648, with padding): for header words and for
// the log-in encodings of the password that replies must never show.

#include <string>
#include <string_view>

namespace quelmo {

std::string Base64(std::string_view bytes);

}  // namespace quelmo
