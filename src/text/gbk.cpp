#include "text/gbk.h"

#include <cstdio>
#include <string>

namespace quelmo {
namespace {

std::string Escaped(unsigned char byte) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
  return escape;
}

}  // namespace

std::string GbkToUtf8ForDisplay(std::string_view gbk) {
  if (Result<std::string> whole = GbkToUtf8(gbk); whole.ok()) return std::move(*whole);
  // Character by character: a GBK character is one byte below 0x80 (and the
  // euro sign 0x80) or two bytes; whatever neither reading accepts is shown
  // as an escape so that the rest still reads.
  std::string shown;
  std::size_t position = 0;
  while (position < gbk.size()) {
    const auto byte = static_cast<unsigned char>(gbk[position]);
    if (byte < 0x80) {
      shown += static_cast<char>(byte);
      ++position;
      continue;
    }
    if (Result<std::string> pair = GbkToUtf8(gbk.substr(position, 2));
        pair.ok() && gbk.size() - position >= 2) {
      shown += *pair;
      position += 2;
      continue;
    }
    if (Result<std::string> single = GbkToUtf8(gbk.substr(position, 1)); single.ok()) {
      shown += *single;
    } else {
      shown += Escaped(byte);
    }
    ++position;
  }
  return shown;
}

Result<std::string> EncodeField(std::string_view field, std::string_view utf8,
                                std::size_t byte_limit) {
  Result<std::string> gbk = Utf8ToGbk(utf8);
  if (!gbk.ok()) return Error{gbk.error().code, std::string(field) + ": " + gbk.message()};
  if (gbk->size() > byte_limit) {
    return Error{ErrorCode::kInvalidArgument,
                 std::string(field) + ": the text takes " + std::to_string(gbk->size()) +
                     " bytes in GBK, at most " + std::to_string(byte_limit) +
                     " are allowed (a Chinese character takes 2)."};
  }
  return gbk;
}

}  // namespace quelmo
