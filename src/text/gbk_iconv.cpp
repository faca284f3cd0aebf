// The GBK converters on top of the C library's iconv. Code page 936 ("CP936")
// is asked for first: it is what Windows writes, and unlike plain GBK in some
// libraries it holds the euro sign as the single byte 0x80.

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "text/gbk.h"
#include "text/utf8.h"

namespace quelmo {
namespace {

constexpr const char* kGbkNames[] = {"CP936", "GBK"};
constexpr const char* kUtf8Name = "UTF-8";
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

enum class Direction { kToGbk, kFromGbk };

class Converter {
 public:
  static Result<Converter> Open(Direction direction) {
    int last_error = 0;
    for (const char* gbk : kGbkNames) {
      const char* to = direction == Direction::kToGbk ? gbk : kUtf8Name;
      const char* from = direction == Direction::kToGbk ? kUtf8Name : gbk;
      const iconv_t handle = ::iconv_open(to, from);
      if (handle != kNoConverter) return Converter(handle);
      last_error = errno;
    }
    return Error{ErrorCode::kUnavailable, "No GBK (code page 936) converter is available: " +
                                              std::system_category().message(last_error)};
  }

  Converter(Converter&& other) noexcept : handle_(other.handle_) { other.handle_ = kNoConverter; }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  Converter& operator=(Converter&&) = delete;
  ~Converter() {
    if (handle_ != kNoConverter) ::iconv_close(handle_);
  }

  iconv_t handle() const { return handle_; }

 private:
  explicit Converter(iconv_t handle) : handle_(handle) {}
  iconv_t handle_;
};

enum class Stop { kComplete, kInvalid, kIncomplete, kInexact };

struct Conversion {
  std::string output;
  Stop stop = Stop::kComplete;
  std::size_t position = 0;  // in the input, where the conversion stopped
};

Result<Conversion> Convert(Direction direction, std::string_view input) {
  Result<Converter> converter = Converter::Open(direction);
  if (!converter.ok()) return converter.error();

  Conversion conversion;
  conversion.output.resize(input.size() * 2 + 8);
  char* in = const_cast<char*>(input.data());  // iconv's signature; it only reads
  std::size_t in_left = input.size();
  std::size_t used = 0;
  bool flushing = false;  // the last call, writing out any pending shift state
  for (;;) {
    char* out = conversion.output.data() + used;
    std::size_t out_left = conversion.output.size() - used;
    const std::size_t result = flushing
                                   ? ::iconv(converter->handle(), nullptr, nullptr, &out, &out_left)
                                   : ::iconv(converter->handle(), &in, &in_left, &out, &out_left);
    const int error_number = errno;
    used = static_cast<std::size_t>(out - conversion.output.data());
    conversion.position = input.size() - in_left;
    if (result == kFailed) {
      if (error_number == E2BIG) {
        conversion.output.resize(conversion.output.size() * 2);
        continue;
      }
      if (error_number == EILSEQ || error_number == EINVAL) {
        conversion.stop = error_number == EILSEQ ? Stop::kInvalid : Stop::kIncomplete;
        break;
      }
      return Error{ErrorCode::kIoError,
                   "The GBK converter failed: " + std::system_category().message(error_number)};
    }
    // No transliteration was asked for, so a character converted "in a
    // non-reversible way" would be a lossy one: refuse it like any other.
    if (result > 0 && !flushing) {
      conversion.stop = Stop::kInexact;
      break;
    }
    if (flushing) break;
    flushing = true;
  }
  conversion.output.resize(used);
  return conversion;
}

// ASCII reads the same in both codes. Most texts are ASCII, and opening a
// converter loads the C library's GBK module: a good part of a short
// process's time.
bool IsAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Result<std::string> Utf8ToGbk(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  if (const std::optional<std::size_t> invalid = FindInvalidUtf8(utf8)) {
    return Error{ErrorCode::kNotEncodable,
                 "The text is not valid UTF-8 (" + DescribeByte(utf8, *invalid) + ")."};
  }
  Result<Conversion> conversion = Convert(Direction::kToGbk, utf8);
  if (!conversion.ok()) return conversion.error();
  switch (conversion->stop) {
    case Stop::kComplete:
      return std::move(conversion->output);
    case Stop::kInvalid:
      return Error{ErrorCode::kNotEncodable, "The character " +
                                                 DescribeCharacter(utf8, conversion->position) +
                                                 " cannot be stored in GBK."};
    case Stop::kIncomplete:
      return Error{ErrorCode::kNotEncodable, "The text ends in the middle of a character (" +
                                                 DescribeByte(utf8, conversion->position) + ")."};
    case Stop::kInexact:
      break;
  }
  return Error{ErrorCode::kNotEncodable,
               "The text holds characters that GBK can store only "
               "approximately."};
}

Result<std::string> GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  Result<Conversion> conversion = Convert(Direction::kFromGbk, gbk);
  if (!conversion.ok()) return conversion.error();
  switch (conversion->stop) {
    case Stop::kComplete:
      return std::move(conversion->output);
    case Stop::kInvalid:
      return Error{ErrorCode::kCorrupt, "The bytes are not valid GBK (" +
                                            DescribeByte(gbk, conversion->position) + ")."};
    case Stop::kIncomplete:
      return Error{ErrorCode::kCorrupt, "The bytes end in the middle of a GBK character (" +
                                            DescribeByte(gbk, conversion->position) + ")."};
    case Stop::kInexact:
      break;
  }
  return Error{ErrorCode::kCorrupt, "The bytes hold GBK characters without an exact Unicode form."};
}

}  // namespace quelmo
