// A form's exchange with its controls by a field table, on the fake view:
// texts shown and taken in the table's order, limits, captions, the edits a
// mode switch empties and the ones an operator's values fill.

#include "kind/field_exchange.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/fake_view.h"

namespace quelmo {
namespace {

struct Sample {
  int count = 0;
  std::string apn;
  std::string phone;
  std::string email;
};
using S = Sample;

constexpr ControlId kCountEdit = 11, kApnEdit = 12, kPhoneEdit = 13, kEmailEdit = 14;
constexpr ControlId kApnLabel = 22, kPhoneLabel = 23;

constexpr std::array<SettingsField<S>, 4> kSample{{
    IntegerField<S>{"count", &S::count, 0, 99, std::nullopt, {.byte = 3, .control = kCountEdit}},
    // No label with an id: its caption is the window's own, in every language.
    StoredTextField<S>{"apn", &S::apn, 6, false, false,
                       {.record = 1, .control = kApnEdit, .caption = "APN", .formOrder = 3,
                        .operatorValue = OperatorValue::kApn}},
    StoredTextField<S>{"phone", &S::phone, 8, false, false,
                       {.record = 2, .control = kPhoneEdit, .label = kPhoneLabel,
                        .caption = "Phone Number", .formOrder = 1, .keptOnModeChange = true,
                        .typedPastLimit = true}},
    StoredTextField<S>{"email", &S::email, 10, false, false,
                       {.record = 3, .control = kEmailEdit, .label = kApnLabel,
                        .caption = "Receive Email", .formOrder = 2}},
}};
constexpr FieldTable<S> kTable = kSample;

constexpr int kChinese = 1;
constexpr int kGerman = 3;

TEST(FieldExchange, LimitsEveryEditButOneTypedPastItsLimit) {
  FakeView view;
  LimitTextEdits(view, kTable);
  EXPECT_EQ(view.ByteLimit(kApnEdit), 6);
  EXPECT_EQ(view.ByteLimit(kEmailEdit), 10);
  EXPECT_EQ(view.ByteLimit(kPhoneEdit), std::nullopt);
  EXPECT_EQ(view.ByteLimit(kCountEdit), std::nullopt);  // a number: the form's own edit
}

TEST(FieldExchange, ShowsStoredTextsAsUtf8AndTakesThemBackInFormOrder) {
  S stored;
  stored.apn = "cmnet";
  stored.phone = "\xD6\xD0";  // "中" in GBK
  stored.email = "a@b.cn";
  FakeView view;
  ShowTextFields(view, kTable, stored);
  EXPECT_EQ(view.Text(kApnEdit), "cmnet");
  EXPECT_EQ(view.Text(kPhoneEdit), "中");
  EXPECT_EQ(view.Text(kEmailEdit), "a@b.cn");

  S taken;
  std::vector<std::string> order;
  EXPECT_TRUE(TakeTextFields(kTable, [&](const StoredTextField<S>& field) {
    order.emplace_back(field.key);
    Result<std::string> text = EncodeEdit(view, field);
    if (!text.ok()) return false;
    taken.*field.member = std::move(text).value();
    return true;
  }));
  EXPECT_EQ(order, (std::vector<std::string>{"phone", "email", "apn"}));
  EXPECT_EQ(taken.apn, stored.apn);
  EXPECT_EQ(taken.phone, stored.phone);
  EXPECT_EQ(taken.email, stored.email);
}

TEST(FieldExchange, TakingStopsAtTheFirstRefusalWithinItsRange) {
  const struct {
    const char* name;
    int first, last;
    const char* refused;  // the key whose take says no
    std::vector<std::string> taken;
    bool result;
  } kCases[] = {
      {"all, none refused", INT_MIN, INT_MAX, "", {"phone", "email", "apn"}, true},
      {"all, the email refused", INT_MIN, INT_MAX, "email", {"phone", "email"}, false},
      {"the first only", INT_MIN, 1, "email", {"phone"}, true},
      {"from the second", 2, INT_MAX, "", {"email", "apn"}, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> taken;
    const bool result = TakeTextFields(
        kTable,
        [&](const StoredTextField<S>& field) {
          taken.emplace_back(field.key);
          return field.key != c.refused;
        },
        c.first, c.last);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(taken, c.taken);
  }
}

TEST(FieldExchange, AnEditTheFileCannotHoldIsRefusedByItsCaption) {
  FakeView view;
  const auto& email = std::get<StoredTextField<S>>(kTable[3]);
  const struct {
    const char* typed;
    const char* message;
  } kCases[] = {
      {"0123456789", nullptr},
      {"0123456789a",
       "Receive Email: the text takes 11 bytes in GBK, at most 10 are allowed (a Chinese "
       "character takes 2)."},
      {"中中中中中", nullptr},  // two bytes each in GBK
      {"中中中中中a", "Receive Email: the text takes 11 bytes"},
      {"\xF0\x9F\x98\x80", "Receive Email: "},  // no GBK for it
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    view.SetText(kEmailEdit, c.typed);
    const Result<std::string> stored = EncodeEdit(view, email);
    if (c.message == nullptr) {
      EXPECT_TRUE(stored.ok());
    } else {
      ASSERT_FALSE(stored.ok());
      EXPECT_EQ(stored.message().rfind(c.message, 0), 0u) << stored.message();
    }
  }
}

TEST(FieldExchange, AModeSwitchEmptiesAllButTheKeptTexts) {
  FakeView view;
  S settings{7, "apn", "12345", "a@b.cn"};
  ShowTextFields(view, kTable, settings);
  ClearEditsOnModeChange(view, kTable);
  EXPECT_EQ(view.Text(kApnEdit), "");
  EXPECT_EQ(view.Text(kEmailEdit), "");
  EXPECT_EQ(view.Text(kPhoneEdit), "12345");
  ClearTextsOnModeChange(kTable, settings);
  EXPECT_EQ(settings.apn, "");
  EXPECT_EQ(settings.email, "");
  EXPECT_EQ(settings.phone, "12345");
  EXPECT_EQ(settings.count, 7);
}

TEST(FieldExchange, OperatorEditsOpenAndCloseTogether) {
  FakeView view;
  for (const bool read_only : {true, false}) {
    SetOperatorEditsReadOnly(view, kTable, read_only);
    EXPECT_EQ(view.IsReadOnly(kApnEdit), read_only);
    EXPECT_FALSE(view.IsReadOnly(kEmailEdit));
    EXPECT_FALSE(view.IsReadOnly(kPhoneEdit));
  }
}

TEST(FieldExchange, CaptionsInTheLanguageButTheWindowsOwn) {
  for (const int language : {kChinese, kGerman}) {
    SCOPED_TRACE(language);
    std::vector<std::pair<ControlId, std::string>> captions;
    AddFieldCaptions(kTable, language, [&](ControlId id, std::string_view text) {
      captions.emplace_back(id, text);
    });
    ASSERT_EQ(captions.size(), 2u);  // the APN has no label of its own
    EXPECT_EQ(captions[0].first, kPhoneLabel);
    EXPECT_EQ(captions[0].second, Translate(language, "Phone Number"));
    EXPECT_NE(captions[0].second, "Phone Number");
    EXPECT_EQ(captions[1].second, Translate(language, "Receive Email"));
    EXPECT_EQ(CaptionOf(PlaceOf(kTable[1]), language), "APN");
  }
}

}  // namespace
}  // namespace quelmo
