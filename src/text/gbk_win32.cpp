// GBK conversion through the system's code page functions (code page 936).
//
// Two things keep the results equal to those of the iconv build, so that a
// file written on Windows holds the same bytes as one written elsewhere:
// - no best fit: a character 936 cannot hold is an error, never a look-alike
//   or '?' (WC_NO_BEST_FIT_CHARS, and the default-character flag checked);
// - no user-defined areas: Windows maps GBK's user-defined codes (AAA1-AFFE,
//   F8A1-FEFE, A140-A7A0) to private-use characters, where iconv's GBK has
//   none. The camera has no glyphs for them either, so both ways refuse them.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <optional>
#include <string>

#include "text/gbk.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace quelmo {
namespace {

constexpr UINT kGbkCodePage = 936;

bool IsPrivateUse(wchar_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

std::wstring WideFrom(UINT code_page, std::string_view bytes, bool& ok) {
  ok = true;
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size <= 0) {
    ok = false;
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), size);
  return wide;
}

// GBK bytes of `wide`, or nothing when a character has no GBK code of its own.
bool GbkFrom(std::wstring_view wide, std::string& gbk) {
  gbk.clear();
  if (wide.empty()) return true;
  const int length = static_cast<int>(wide.size());
  BOOL used_default = FALSE;
  const int size = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                       nullptr, 0, nullptr, &used_default);
  if (size <= 0 || used_default) return false;
  gbk.assign(static_cast<std::size_t>(size), '\0');
  used_default = FALSE;
  const int written = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                          gbk.data(), size, nullptr, &used_default);
  return written == size && !used_default;
}

bool HasPrivateUse(std::wstring_view wide) {
  for (wchar_t unit : wide) {
    if (IsPrivateUse(unit)) return true;
  }
  return false;
}

// Whether the one character of `utf8` has a GBK code of its own.
bool Encodable(std::string_view utf8) {
  bool ok = false;
  const std::wstring wide = WideFrom(CP_UTF8, utf8, ok);
  std::string ignored;
  return ok && !HasPrivateUse(wide) && GbkFrom(wide, ignored);
}

// The first character of valid UTF-8 `utf8` that GBK cannot hold.
Error FirstNotEncodable(std::string_view utf8) {
  for (std::size_t position = 0; position < utf8.size();) {
    const std::optional<Utf8Character> character = DecodeUtf8At(utf8, position);
    if (!character) break;
    if (!Encodable(utf8.substr(position, character->length))) {
      return Error{ErrorCode::kNotEncodable, "The character " + DescribeCharacter(utf8, position) +
                                                 " cannot be stored in GBK."};
    }
    position += character->length;
  }
  return Error{ErrorCode::kNotEncodable, "The text cannot be stored in GBK."};
}

// Whether `bytes` is exactly one GBK character.
bool OneGbkCharacter(std::string_view bytes) {
  bool ok = false;
  const std::wstring wide = WideFrom(kGbkCodePage, bytes, ok);
  return ok && wide.size() == 1 && !IsPrivateUse(wide[0]);
}

// The first bytes of `gbk` that are not a GBK character: bytes up to 0x80
// stand alone, 0x81 to 0xFE lead a pair, 0xFF is never valid.
Error FirstNotGbk(std::string_view gbk) {
  for (std::size_t position = 0; position < gbk.size();) {
    const auto lead = static_cast<unsigned char>(gbk[position]);
    const bool leads_pair = lead >= 0x81 && lead <= 0xFE;
    if (leads_pair && position + 1 == gbk.size()) {
      return Error{ErrorCode::kCorrupt, "The bytes end in the middle of a GBK character (" +
                                            DescribeByte(gbk, position) + ")."};
    }
    const std::size_t length = leads_pair ? 2 : 1;
    if (!OneGbkCharacter(gbk.substr(position, length))) {
      return Error{ErrorCode::kCorrupt,
                   "The bytes are not valid GBK (" + DescribeByte(gbk, position) + ")."};
    }
    position += length;
  }
  return Error{ErrorCode::kCorrupt, "The bytes are not valid GBK."};
}

}  // namespace

Result<std::string> Utf8ToGbk(std::string_view utf8) {
  if (const std::optional<std::size_t> invalid = FindInvalidUtf8(utf8)) {
    return Error{ErrorCode::kNotEncodable,
                 "The text is not valid UTF-8 (" + DescribeByte(utf8, *invalid) + ")."};
  }
  bool ok = false;
  const std::wstring wide = WideFrom(CP_UTF8, utf8, ok);
  std::string gbk;
  if (!ok || HasPrivateUse(wide) || !GbkFrom(wide, gbk)) return FirstNotEncodable(utf8);
  return gbk;
}

Result<std::string> GbkToUtf8(std::string_view gbk) {
  bool ok = false;
  const std::wstring wide = WideFrom(kGbkCodePage, gbk, ok);
  if (!ok || HasPrivateUse(wide)) return FirstNotGbk(gbk);
  return Utf8(wide);
}

}  // namespace quelmo
