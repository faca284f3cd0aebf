#pragma once
// The setting files store texts as GBK (code page 936) bytes, and their byte
// limits count those bytes: a Chinese character counts two. Everything else in
// the program (windows, messages, JSON, the terminal) is UTF-8. These functions
// are the only crossing between the two; each platform provides them with its
// own converter (iconv on POSIX, the code page functions on Windows).

#include <cstddef>
#include <string>
#include <string_view>

#include "base/result.h"

namespace quelmo {

// GBK bytes of a UTF-8 text. A character that GBK cannot hold, or input that
// is not valid UTF-8, is an error (kNotEncodable) that quotes the character;
// nothing is ever replaced by '?'.
Result<std::string> Utf8ToGbk(std::string_view utf8);

// UTF-8 of GBK bytes. Bytes that are not valid GBK are an error (kCorrupt).
Result<std::string> GbkToUtf8(std::string_view gbk);

// UTF-8 of GBK bytes for display: invalid bytes become "\xNN" escapes, so any
// file content can be shown without failing.
std::string GbkToUtf8ForDisplay(std::string_view gbk);

// Converts a field's UTF-8 text for storage and holds it to its byte limit.
// Errors name the field: "url: ..." (kNotEncodable or kInvalidArgument).
Result<std::string> EncodeField(std::string_view field, std::string_view utf8,
                                std::size_t byte_limit);

}  // namespace quelmo
