// GBK through code page 936 must give exactly the bytes and the refusals of
// the iconv build, or the same settings would make different files. The
// table fingerprints below were taken from glibc's GBK converter.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/gbk.h"

namespace quelmo {
namespace {

std::string Utf8Of(std::uint32_t code_point) {
  std::string out;
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
  return out;
}

std::uint32_t CodePointOf(const std::string& utf8) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[i])); };
  if (utf8.size() == 1) return byte(0);
  if (utf8.size() == 2) return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

// FNV-1a, 64 bits.
class Fingerprint {
 public:
  void Add(std::uint8_t byte) {
    hash_ ^= byte;
    hash_ *= 0x100000001B3ull;
  }
  void AddLittleEndian(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) Add(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

TEST(Gbk936, KnownTextsRoundTrip) {
  const struct {
    const char* utf8;
    const char* gbk;
  } cases[] = {
      {"Camera Setting", "Camera Setting"},
      {"相机设置", "\xCF\xE0\xBB\xFA\xC9\xE8\xD6\xC3"},
      {"本体設定", "\xB1\xBE\xCC\xE5\xD4\x4F\xB6\xA8"},
      {"提示：", "\xCC\xE1\xCA\xBE\xA3\xBA"},
      {"Müller €", "M\xA8\xB9ller \x80"},
      {"", ""},
  };
  for (const auto& c : cases) {
    const Result<std::string> gbk = Utf8ToGbk(c.utf8);
    ASSERT_TRUE(gbk.ok()) << c.utf8 << ": " << gbk.message();
    EXPECT_EQ(*gbk, c.gbk) << c.utf8;
    const Result<std::string> back = GbkToUtf8(*gbk);
    ASSERT_TRUE(back.ok()) << back.message();
    EXPECT_EQ(*back, c.utf8);
  }
  const std::string with_zero("a\0b", 3);
  EXPECT_EQ(Utf8ToGbk(with_zero).value(), with_zero);
}

TEST(Gbk936, RefusesWhatGbkCannotHoldInsteadOfABestFit) {
  // Windows' best fit would store "Kase", "Strasse" and '?' here.
  for (const char* text : {"Käse", "Straße", "ok ก", "😀", "한"}) {
    const Result<std::string> gbk = Utf8ToGbk(text);
    ASSERT_FALSE(gbk.ok()) << text << " gave " << gbk.value();
    EXPECT_EQ(gbk.error().code, ErrorCode::kNotEncodable) << text;
  }
  const Result<std::string> umlaut = Utf8ToGbk("Käse");
  EXPECT_NE(umlaut.message().find("ä"), std::string::npos) << umlaut.message();
  const Result<std::string> emoji = Utf8ToGbk("a😀");
  EXPECT_NE(emoji.message().find("😀"), std::string::npos) << emoji.message();
}

TEST(Gbk936, RefusesTheUserDefinedAreasThatOnlyWindowsMaps) {
  const Result<std::string> private_use = Utf8ToGbk("\xEE\x80\x80");  // U+E000
  ASSERT_FALSE(private_use.ok());
  EXPECT_EQ(private_use.error().code, ErrorCode::kNotEncodable);
  for (const char* bytes : {"\xAA\xA1", "\xF8\xA1", "\xA1\x40", "ab\xFE\xFE"}) {
    const Result<std::string> utf8 = GbkToUtf8(bytes);
    ASSERT_FALSE(utf8.ok()) << bytes;
    EXPECT_EQ(utf8.error().code, ErrorCode::kCorrupt);
  }
}

TEST(Gbk936, RefusesMalformedInput) {
  for (const char* utf8 : {"\xC3", "a\xC3(", "\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
    const Result<std::string> gbk = Utf8ToGbk(utf8);
    ASSERT_FALSE(gbk.ok()) << "UTF-8 input " << ::testing::PrintToString(std::string(utf8));
    EXPECT_EQ(gbk.error().code, ErrorCode::kNotEncodable);
  }
  for (const char* gbk : {"\x81", "ab\xD6", "\x81\x7F", "\x81\xFF", "\xFF", "\xD6\xD0\x81\x30"}) {
    const Result<std::string> utf8 = GbkToUtf8(gbk);
    ASSERT_FALSE(utf8.ok()) << "GBK input " << ::testing::PrintToString(std::string(gbk));
    EXPECT_EQ(utf8.error().code, ErrorCode::kCorrupt);
  }
}

TEST(Gbk936, EveryDoubleByteCodeDecodesAsInTheIconvTable) {
  Fingerprint fingerprint;
  int valid = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string gbk = {static_cast<char>(lead), static_cast<char>(trail)};
      const Result<std::string> utf8 = GbkToUtf8(gbk);
      if (!utf8.ok()) continue;
      ++valid;
      fingerprint.Add(static_cast<std::uint8_t>(lead));
      fingerprint.Add(static_cast<std::uint8_t>(trail));
      fingerprint.AddLittleEndian(CodePointOf(*utf8));
    }
  }
  EXPECT_EQ(valid, 21791);
  EXPECT_EQ(fingerprint.value(), 0xBBA7C17299F01F69ull);
}

TEST(Gbk936, ExactlyTheCharactersOfTheIconvTableEncode) {
  Fingerprint fingerprint;
  int encodable = 0;
  for (std::uint32_t code_point = 1; code_point <= 0xFFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    const Result<std::string> gbk = Utf8ToGbk(Utf8Of(code_point));
    if (!gbk.ok()) continue;
    ++encodable;
    fingerprint.AddLittleEndian(code_point);
    for (char byte : *gbk) fingerprint.Add(static_cast<std::uint8_t>(byte));
  }
  EXPECT_EQ(encodable, 21919);
  EXPECT_EQ(fingerprint.value(), 0x68A2361107BF6935ull);
}

}  // namespace
}  // namespace quelmo
