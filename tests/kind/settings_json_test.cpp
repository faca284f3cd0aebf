// Reading settings from JSON key by key, the kind's field table over it, the
// list entries by name and the camera language: each limit at its edge,
// hidden passwords, numbers for digits, and the first fault kept.

#include "kind/settings_json.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "kind/file_language.h"
#include "kind/list_names.h"
#include "kind/settings_fields.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// What reading one key gave: the value, or the fault's message.
struct Read {
  std::optional<std::string> value;
  std::string fault;
};

template <typename Reading>
Read ReadOne(const std::string& json, Reading reading) {
  const Json object = Json::parse(json);
  JsonFieldReader reader(object, "test settings");
  Read read;
  read.value = reading(reader);
  const Status status = reader.Finish();
  if (!status.ok()) {
    read.value.reset();
    read.fault = status.message();
  }
  return read;
}

TEST(SettingsJson, IntegersAtTheEdgesOfTheirRange) {
  const auto integer = [](const std::string& json) {
    return ReadOne(json, [](JsonFieldReader& reader) -> std::optional<std::string> {
      int target = 7;
      reader.Integer("n", 0, 99, target, /*also_allowed=*/255);
      return std::to_string(target);
    });
  };
  const struct {
    const char* json;
    const char* value;  // null: refused, `fault` in its message
    const char* fault;
  } kCases[] = {
      {R"({})", "7", nullptr},  // absent: left as it was
      {R"({"n": 0})", "0", nullptr},
      {R"({"n": 99})", "99", nullptr},
      {R"({"n": 255})", "255", nullptr},
      {R"({"n": -1})", nullptr, "n: -1 is outside 0 to 99, or 255"},
      {R"({"n": 100})", nullptr, "n: 100 is outside 0 to 99, or 255"},
      {R"({"n": 256})", nullptr, "outside"},
      // Beyond 64 bits: named as given, never wrapped into the range.
      {R"({"n": 18446744073709551615})", nullptr, "n: 18446744073709551615 is outside"},
      {R"({"n": 4294967296})", nullptr, "outside"},
      {R"({"n": 5.0})", nullptr, "n: expected a whole number, got 5.0 (fraction)"},
      {R"({"n": "5"})", nullptr, "n: expected a whole number, got \"5\" (text)"},
      {R"({"n": true})", nullptr, "expected a whole number, got true (boolean)"},
  };
  for (const auto& c : kCases) {
    const Read read = integer(c.json);
    if (c.value != nullptr) {
      EXPECT_EQ(read.value, c.value) << c.json << ": " << read.fault;
    } else {
      EXPECT_FALSE(read.value) << c.json;
      EXPECT_THAT(read.fault, HasSubstr(c.fault)) << c.json;
    }
  }
}

std::vector<std::string> Sizes() { return {"12MP", "8MP", "5MP"}; }

TEST(SettingsJson, ListEntriesByIndexOrByTheirEnglishText) {
  const struct {
    const char* json;
    std::optional<int> value;
    const char* fault;
  } kCases[] = {
      {R"({"size": 0})", 0, nullptr},
      {R"({"size": 2})", 2, nullptr},
      {R"({"size": -1})", -1, nullptr},  // the one value outside the list a file may carry
      {R"({"size": "5mp"})", 2, nullptr},
      {R"({"size": 3})", std::nullopt, "size: 3 is not an entry of the list (0 to 2, or \"12MP\", \"8MP\", \"5MP\", or -1)"},
      {R"({"size": -2})", std::nullopt, "not an entry"},
      {R"({"size": "5 MP"})", std::nullopt, "size: \"5 MP\" is not an entry"},
      {R"({"size": null})", std::nullopt, "expected a list index or an entry's text, got null"},
  };
  for (const auto& c : kCases) {
    const Read read = ReadOne(c.json, [](JsonFieldReader& reader) -> std::optional<std::string> {
      int target = 1;
      reader.ListEntry("size", Sizes(), target, -1);
      return std::to_string(target);
    });
    if (c.value) {
      EXPECT_EQ(read.value, std::to_string(*c.value)) << c.json << ": " << read.fault;
    } else {
      EXPECT_FALSE(read.value) << c.json;
      EXPECT_THAT(read.fault, HasSubstr(c.fault)) << c.json;
    }
  }
}

TEST(SettingsJson, TextsByTheirBytesInGbkPasswordsNeverQuoted) {
  const struct {
    const char* what;
    const char* json;
    bool secret;
    bool digits;
    std::optional<std::string> value;  // as stored: GBK
    const char* fault;
  } kCases[] = {
      {"at the limit", R"({"t": "abcd"})", false, false, "abcd", nullptr},
      {"one byte over", R"({"t": "abcde"})", false, false, std::nullopt,
       "t: the text takes 5 bytes in GBK, at most 4 are allowed"},
      {"two Chinese characters fill four bytes", R"({"t": "中国"})", false, false,
       std::string("\xD6\xD0\xB9\xFA"), nullptr},
      {"a third byte too many", R"({"t": "中国a"})", false, false, std::nullopt, "takes 5 bytes"},
      {"a control character", R"({"t": "a\tb"})", false, false, std::nullopt,
       "control character U+0009"},
      {"DEL", R"({"t": "a\u007f"})", false, false, std::nullopt, "U+007F"},
      {"a C1 control", R"({"t": "a\u0085"})", false, false, std::nullopt, "U+0085"},
      {"a number where digits are typed", R"({"t": 25})", false, true, "25", nullptr},
      {"zero", R"({"t": 0})", false, true, "0", nullptr},
      {"digits over the limit", R"({"t": 12345})", false, true, std::nullopt, "takes 5 bytes"},
      {"a negative number", R"({"t": -25})", false, true, std::nullopt,
       "t: expected a text or a whole number from 0, got -25 (whole number)"},
      {"a number where text is typed", R"({"t": 25})", false, false, std::nullopt,
       "t: expected a text, got 25 (whole number)"},
      {"a password hidden by show", R"({"t": null})", true, false, std::nullopt,
       "read the file again with --reveal"},
      {"a password of the wrong type", R"({"t": 12345678})", true, false, std::nullopt,
       "t: expected a text, got a whole number"},
      {"a password GBK cannot hold", R"({"t": "p\u20a9"})", true, false, std::nullopt,
       "the password holds a character that cannot be stored"},
      {"a password too long", R"({"t": "secret"})", true, false, std::nullopt, "takes 6 bytes"},
  };
  for (const auto& c : kCases) {
    const Read read = ReadOne(c.json, [&](JsonFieldReader& reader) -> std::optional<std::string> {
      std::string target = "old";
      reader.Text("t", 4, target, c.secret, c.digits);
      return target;
    });
    EXPECT_EQ(read.value, c.value) << c.what << ": " << read.fault;
    if (!c.value) {
      EXPECT_THAT(read.fault, HasSubstr(c.fault)) << c.what;
    }
    if (c.secret) {
      EXPECT_THAT(read.fault, Not(HasSubstr("12345678"))) << c.what;
      EXPECT_THAT(read.fault, Not(HasSubstr("secret"))) << c.what;
    }
  }
}

TEST(SettingsJson, ANumberBuiltInTheProgramIsTakenAsDigitsToo) {
  // Not only a number parsed from text: one the program put into the object.
  const Json object = {{"t", 25}};
  JsonFieldReader reader(object, "test settings");
  std::string target;
  reader.Text("t", 4, target, false, /*number_as_digits=*/true);
  EXPECT_TRUE(reader.Finish().ok()) << reader.Finish().message();
  EXPECT_EQ(target, "25");
}

TEST(SettingsJson, AnUnknownKeyComesFirstThenTheFirstFault) {
  const struct {
    const char* json;
    const char* fault;  // empty: accepted
  } kCases[] = {
      {R"({"a": 1, "b": 2})", ""},
      {R"({"a": 1, "B": 2})", "unknown key \"B\" in the test settings (did you mean \"b\"?)"},
      {R"({"a": 100, "b": 200, "c": 3})", "unknown key \"c\" in the test settings"},
      {R"({"a": 100, "b": 200})", "a: 100 is outside 0 to 9"},
      {R"({"a": 1, "b": 200})", "b: 200 is outside 0 to 9"},
      {R"([1, 2])", "the test settings must be a JSON object, not [1,2] (array)"},
  };
  for (const auto& c : kCases) {
    const Json object = Json::parse(c.json);
    JsonFieldReader reader(object, "test settings");
    int a = 0;
    int b = 0;
    reader.Integer("a", 0, 9, a);
    reader.Integer("b", 0, 9, b);
    const Status status = reader.Finish();
    EXPECT_EQ(status.ok() ? "" : status.message(), c.fault) << c.json;
  }
}

TEST(SettingsJson, MessagesQuoteAShortPrefixOnOneLine) {
  const std::string long_text(40, 'x');
  EXPECT_EQ(QuotedPrefix(long_text), "\"" + std::string(32, 'x') + "...\"");
  EXPECT_EQ(QuotedPrefix(std::string(32, 'x')), "\"" + std::string(32, 'x') + "\"");
  // Cut between characters, never inside one.
  std::string chinese;
  for (int i = 0; i < 33; ++i) chinese += "中";
  std::string shown;
  for (int i = 0; i < 32; ++i) shown += "中";
  EXPECT_EQ(QuotedPrefix(chinese), "\"" + shown + "...\"");
  EXPECT_EQ(QuotedPrefix("a\nb").find('\n'), std::string::npos);
  EXPECT_LE(DescribeJsonValue(Json::parse(R"([1,2,3,4,5,6,7,8,9,10,11,12,13,14,15])")).size(), 32u + 8u);
}

TEST(ListNames, FindNameAndDescribe) {
  const std::vector<std::string> many = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
  EXPECT_EQ(FindListEntry(Sizes(), "8mp"), 1);
  EXPECT_EQ(FindListEntry(Sizes(), "8M"), std::nullopt);
  EXPECT_EQ(FindListEntry(Sizes(), "8MPx"), std::nullopt);
  EXPECT_EQ(ListEntryName(Sizes(), 2), "5MP");
  EXPECT_EQ(ListEntryName(Sizes(), 3), std::nullopt);
  EXPECT_EQ(ListEntryName(Sizes(), -1), std::nullopt);
  EXPECT_EQ(DescribeListEntries({}), "");
  EXPECT_EQ(DescribeListEntries(std::vector<std::string>(many.begin(), many.end() - 1)),
            "0 to 7, or \"0\", \"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\"");
  EXPECT_EQ(DescribeListEntries(many), "0 to 8, or \"0\" ... \"8\"");
}

TEST(FileLanguage, TheCommandLineThenTheFileThenTheDefaults) {
  const struct {
    const char* json;
    bool storesTvMode;
    FileLanguage commandLine;
    int cameraLanguage;
    int tvMode;
    const char* fault;
  } kCases[] = {
      {R"({})", true, {}, kDefaultCameraLanguage, kDefaultTvMode, ""},
      {R"({"cameraLanguage": 1, "tvMode": 255})", true, {}, 1, 255, ""},
      {R"({"cameraLanguage": 11, "tvMode": 3})", true, {4, 1}, 4, 1, ""},
      {R"({"cameraLanguage": 3})", true, {std::nullopt, 2}, 3, 2, ""},
      {R"({"cameraLanguage": 0})", true, {}, 0, 0, "cameraLanguage: 0 is outside 1 to 11"},
      {R"({"cameraLanguage": 12})", true, {}, 0, 0, "cameraLanguage: 12 is outside 1 to 11"},
      {R"({"tvMode": 256})", true, {}, 0, 0, "tvMode: 256 is outside 0 to 255"},
      // A kind whose file holds no TV mode does not know the key.
      {R"({"tvMode": 1})", false, {}, 0, 0, "unknown key \"tvMode\" in the settings"},
  };
  for (const auto& c : kCases) {
    const Json object = Json::parse(c.json);
    JsonFieldReader reader(object, "settings");
    FileLanguage from_file;
    ReadFileLanguage(reader, c.storesTvMode, from_file);
    const Status status = reader.Finish();
    EXPECT_EQ(status.ok() ? "" : status.message(), c.fault) << c.json;
    if (!status.ok()) continue;
    const ResolvedLanguage resolved = ResolveFileLanguage(c.commandLine, from_file);
    EXPECT_EQ(resolved.cameraLanguage, c.cameraLanguage) << c.json;
    EXPECT_EQ(resolved.tvMode, c.tvMode) << c.json;
  }
}

struct Sample {
  int size = 0;
  int count = 0;
  std::string name;
  std::string password;
  std::string port;
};

constexpr std::array<SettingsField<Sample>, 5> kSampleFields = {{
    ListField<Sample>{"size", &Sample::size, Sizes},
    IntegerField<Sample>{"count", &Sample::count, 0, 99},
    StoredTextField<Sample>{"name", &Sample::name, 8},
    StoredTextField<Sample>{"password", &Sample::password, 8, /*secret=*/true},
    StoredTextField<Sample>{"port", &Sample::port, 5, false, /*numberAsDigits=*/true},
}};

TEST(SettingsFields, WhatShowPrintsReadsBackUnlessAPasswordWasHidden) {
  const Sample stored{2, 42, "\xD6\xD0", "pw", "8080"};  // "中" in GBK
  const struct {
    const char* what;
    Sample settings;
    bool reveal;
    const char* fault;  // empty: reads back as it was
  } kCases[] = {
      {"revealed", stored, true, ""},
      {"an empty password is not hidden", Sample{0, 0, "", "", ""}, false, ""},
      {"a hidden password", stored, false, "password: the password was hidden"},
  };
  for (const auto& c : kCases) {
    ShownSettings shown;
    ShowSettingsFields<Sample>(shown, kSampleFields, c.settings, c.reveal);
    EXPECT_EQ(shown.json["name"], c.settings.name.empty() ? "" : "中") << c.what;
    EXPECT_EQ(IsHidden(shown, "password"), !c.reveal && !c.settings.password.empty()) << c.what;
    if (c.settings.size == 2) {
      EXPECT_EQ(shown.notes["size"], "5MP") << c.what;
    }

    // Through text, as a file would carry it.
    const Json again = Json::parse(shown.json.dump());
    JsonFieldReader reader(again, "settings");
    Sample read;
    ReadSettingsFields<Sample>(reader, kSampleFields, read);
    const Status status = reader.Finish();
    EXPECT_EQ(status.ok() ? "" : status.message().substr(0, std::string(c.fault).size()), c.fault)
        << c.what;
    if (!status.ok()) continue;
    EXPECT_EQ(read.size, c.settings.size) << c.what;
    EXPECT_EQ(read.count, c.settings.count) << c.what;
    EXPECT_EQ(read.name, c.settings.name) << c.what;
    EXPECT_EQ(read.password, c.settings.password) << c.what;
    EXPECT_EQ(read.port, c.settings.port) << c.what;
  }
}

}  // namespace
}  // namespace quelmo
