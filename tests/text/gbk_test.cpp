#include "text/gbk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace quelmo {
namespace {

using ::testing::HasSubstr;

TEST(Utf8ToGbk, AsciiPassesUnchanged) {
  const std::string ascii = "cmnet http://10.0.0.172:80 +8613800138000";
  EXPECT_EQ(*Utf8ToGbk(ascii), ascii);
  EXPECT_EQ(*Utf8ToGbk(""), "");
}

TEST(Utf8ToGbk, ChineseAndJapaneseTakeTwoBytesAndComeBack) {
  const std::string sms = "短信";
  const Result<std::string> gbk = Utf8ToGbk(sms);
  ASSERT_TRUE(gbk.ok()) << gbk.message();
  EXPECT_EQ(*gbk, "\xB6\xCC\xD0\xC5");
  EXPECT_EQ(*GbkToUtf8(*gbk), sms);

  EXPECT_EQ(*Utf8ToGbk("あア"), "\xA4\xA2\xA5\xA2");
  EXPECT_EQ(*Utf8ToGbk("设置ab"),
            "\xC9\xE8\xD6\xC3"
            "ab");
}

// Code page 936, as Windows writes it, holds the euro sign in one byte.
TEST(Utf8ToGbk, EuroSignIsTheSingleByte80) {
  EXPECT_EQ(*Utf8ToGbk("€"), "\x80");
  EXPECT_EQ(*GbkToUtf8("\x80"), "€");
}

TEST(Utf8ToGbk, ACharacterGbkCannotHoldIsNamedNotReplaced) {
  const Result<std::string> emoji = Utf8ToGbk("ok 😀");
  ASSERT_FALSE(emoji.ok());
  EXPECT_EQ(emoji.error().code, ErrorCode::kNotEncodable);
  EXPECT_EQ(emoji.message(), "The character \"😀\" (U+1F600) cannot be stored in GBK.");

  const Result<std::string> hangul = Utf8ToGbk("한");
  ASSERT_FALSE(hangul.ok());
  EXPECT_THAT(hangul.message(), HasSubstr("U+D55C"));
}

TEST(Utf8ToGbk, InputThatIsNotUtf8IsRefusedWithTheByte) {
  struct Case {
    const char* bytes;
    const char* where;
  };
  for (const Case& bad :
       {Case{"ab\xFF", "0xFF at byte 2"}, Case{"\xC0\xAF", "0xC0 at byte 0"},  // overlong '/'
        Case{"\xED\xA0\x80", "0xED at byte 0"},                                // a surrogate
        Case{"x\xE7\x9F", "0xE7 at byte 1"},                                   // cut short
        Case{"\x80", "0x80 at byte 0"}}) {                                     // stray continuation
    const Result<std::string> result = Utf8ToGbk(bad.bytes);
    ASSERT_FALSE(result.ok()) << bad.where;
    EXPECT_EQ(result.error().code, ErrorCode::kNotEncodable);
    EXPECT_EQ(result.message(), std::string("The text is not valid UTF-8 (") + bad.where + ").");
  }
}

TEST(GbkToUtf8, InvalidOrCutShortBytesAreCorrupt) {
  const Result<std::string> invalid = GbkToUtf8("a\xFF");
  ASSERT_FALSE(invalid.ok());
  EXPECT_EQ(invalid.error().code, ErrorCode::kCorrupt);
  EXPECT_THAT(invalid.message(), HasSubstr("0xFF at byte 1"));

  const Result<std::string> cut = GbkToUtf8("\xB6\xCC\xD0");
  ASSERT_FALSE(cut.ok());
  EXPECT_EQ(cut.error().code, ErrorCode::kCorrupt);
  EXPECT_THAT(cut.message(), HasSubstr("middle of a GBK character (0xD0 at byte 2)"));
}

TEST(GbkToUtf8ForDisplay, EscapesOnlyWhatIsNotGbk) {
  EXPECT_EQ(GbkToUtf8ForDisplay("\xB6\xCC\xD0\xC5"), "短信");
  EXPECT_EQ(GbkToUtf8ForDisplay("a\xFF\xB6\xCC"
                                "b"),
            "a\\xFF短b");
  EXPECT_EQ(GbkToUtf8ForDisplay("\xB6\xCC\xD0"), "短\\xD0");
  EXPECT_EQ(GbkToUtf8ForDisplay(std::string("\x00\x80", 2)), std::string("\0€", 4));
}

TEST(EncodeField, HoldsTheFieldToItsByteLimitCountingGbkBytes) {
  EXPECT_EQ(*EncodeField("phone", "短信", 4), "\xB6\xCC\xD0\xC5");

  const Result<std::string> too_long = EncodeField("phone", "短信", 3);
  ASSERT_FALSE(too_long.ok());
  EXPECT_EQ(too_long.error().code, ErrorCode::kInvalidArgument);
  EXPECT_EQ(too_long.message(),
            "phone: the text takes 4 bytes in GBK, at most 3 are allowed (a Chinese character "
            "takes 2).");
}

TEST(EncodeField, NamesTheFieldWhenTheTextCannotBeStored) {
  const Result<std::string> result = EncodeField("url", "http://😀", 50);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().code, ErrorCode::kNotEncodable);
  EXPECT_THAT(result.message(), ::testing::StartsWith("url: The character \"😀\""));
}

}  // namespace
}  // namespace quelmo
