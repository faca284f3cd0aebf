// The field table's lookups and the checks the compiler makes of a kind's
// table, on a small table of their own and on a broken copy per fault.

#include "kind/field_table.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quelmo {
namespace {

struct Sample {
  int mode = 0;
  int count = 0;
  std::string name;
  std::string secret;
  std::string note;
};
using S = Sample;

std::vector<std::string> Modes() { return {"Auto", "Customer"}; }

// A window of its own: 10 a list, 11..14 edits, 20..23 labels, 30 a button.
constexpr std::string_view KindOf(int id) {
  if (id == 10) return "dropdown-list";
  if (id >= 11 && id <= 14) return "edit";
  if (id >= 20 && id <= 23) return "label";
  if (id == 30) return "push-button";
  return {};
}

constexpr std::array<SettingsField<S>, 5> kSample{{
    ListField<S>{"mode", &S::mode, &Modes, std::nullopt,
                 {.byte = 50, .control = 10, .label = 20, .caption = "Mode", .finding = 0}},
    IntegerField<S>{"count", &S::count, 0, 99, std::nullopt,
                    {.byte = 3, .control = 11, .finding = 1}},
    StoredTextField<S>{"name", &S::name, 20, false, false,
                       {.record = 3, .control = 12, .label = 21, .caption = "Name",
                        .finding = 2, .formOrder = 2,
                        .operatorValue = OperatorValue::kAccount}},
    StoredTextField<S>{"secret", &S::secret, 30, /*secret=*/true, false,
                       {.record = 1, .control = 13, .label = 22, .caption = "Secret",
                        .finding = 3, .formOrder = 1,
                        .operatorValue = OperatorValue::kPassword}},
    StoredTextField<S>{"note", &S::note, 50, false, false,
                       {.record = 2, .finding = 4}},
}};
constexpr FieldTable<S> kTable = kSample;

// The checks hold for the sound table, in the compiler as at run time.
static_assert(FieldsAreDistinct<S>(kTable));
static_assert(TextsFitRecords<S>(kTable, 1, 3));
static_assert(ValuesFitHeader<S>(kTable));
static_assert(FieldsMatchWindow<S>(kTable, KindOf));
static_assert(KeyOf<S>(kTable, &S::count) == "count");
static_assert(KeyOf<S>(kTable, &S::secret) == "secret");
static_assert(PlaceOf<S>(kTable, &S::mode).byte == 50);
static_assert(PlaceOf<S>(kTable, &S::note).record == 2);

std::string Place(const StoredTextField<S>* field) {
  return field == nullptr ? "none" : std::string(field->key);
}

template <typename Rows>
std::vector<std::string> Keys(const Rows& rows) {
  std::vector<std::string> keys;
  for (const auto* row : rows) keys.emplace_back(row->key);
  return keys;
}

TEST(FieldTable, FindsFieldsByMemberControlAndFinding) {
  EXPECT_EQ(Place(FindField(kTable, &S::note)), "note");
  EXPECT_EQ(FindField(kTable, &S::mode), &kTable[0]);
  EXPECT_EQ(FindField(kTable, &S::count), &kTable[1]);
  EXPECT_EQ(Place(TextFieldShownBy(kTable, 13)), "secret");
  EXPECT_EQ(Place(TextFieldShownBy(kTable, 11)), "none");  // a number, no text
  EXPECT_EQ(Place(TextFieldOfFinding(kTable, 2)), "name");
  EXPECT_EQ(Place(TextFieldOfFinding(kTable, 0)), "none");
  EXPECT_EQ(FindingNameOf(kTable, 2), "Name");
  EXPECT_EQ(FindingNameOf(kTable, 9), "");
}

TEST(FieldTable, OrdersTextsByRecordByFormAndByTable) {
  EXPECT_EQ(Keys(TextFieldsByRecord(kTable)), (std::vector<std::string>{"secret", "note", "name"}));
  // The note has no edit, so the form takes none.
  EXPECT_EQ(Keys(TextFieldsByFormOrder(kTable)), (std::vector<std::string>{"secret", "name"}));
  EXPECT_EQ(Keys(OperatorFields(kTable)), (std::vector<std::string>{"name", "secret"}));
  const std::vector<NamedTextRecord> records = TextRecordsOf(kTable);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].record, 1u);
  EXPECT_EQ(records[0].name, "secret");
  EXPECT_EQ(records[2].record, 3u);
  EXPECT_EQ(records[2].name, "name");
  EXPECT_EQ(SecretKeysOf(kTable), (std::vector<std::string_view>{"secret"}));
}

// One fault per copy of the sound table; each check must refuse its own.
TEST(FieldTable, ChecksRefuseEachFault) {
  using Table = std::array<SettingsField<S>, 5>;
  const struct {
    const char* fault;
    void (*spoil)(Table&);
    bool distinct, records, header, window;
  } kCases[] = {
      {"a key twice", [](Table& t) { std::get<IntegerField<S>>(t[1]).key = "mode"; },
       false, true, true, true},
      {"a control twice", [](Table& t) { std::get<IntegerField<S>>(t[1]).place.control = 10; },
       false, true, true, true},
      {"a label that is another's control",
       [](Table& t) { std::get<StoredTextField<S>>(t[2]).place.label = 13; }, false, true, true,
       false},
      {"a finding twice", [](Table& t) { std::get<StoredTextField<S>>(t[4]).place.finding = 1; },
       false, true, true, true},
      {"two texts in one record",
       [](Table& t) { std::get<StoredTextField<S>>(t[4]).place.record = 3; }, true, false, true,
       true},
      {"a text past the last record",
       [](Table& t) { std::get<StoredTextField<S>>(t[4]).place.record = 4; }, true, false, true,
       true},
      {"a text in the header", [](Table& t) { std::get<StoredTextField<S>>(t[4]).place.record = 0; },
       true, false, true, true},
      {"a limit past the record's 50 bytes",
       [](Table& t) { std::get<StoredTextField<S>>(t[4]).byteLimit = 51; }, true, false, true,
       true},
      {"no limit", [](Table& t) { std::get<StoredTextField<S>>(t[2]).byteLimit = 0; }, true,
       false, true, true},
      {"two values on one byte", [](Table& t) { std::get<IntegerField<S>>(t[1]).place.byte = 50; },
       true, true, false, true},
      {"a value on the length byte",
       [](Table& t) { std::get<IntegerField<S>>(t[1]).place.byte = kTextLengthByte; }, true,
       true, false, true},
      {"a text in a label", [](Table& t) { std::get<StoredTextField<S>>(t[2]).place.control = 23; },
       true, true, true, false},
      {"a list in an edit", [](Table& t) { std::get<ListField<S>>(t[0]).place.control = 14; },
       true, true, true, false},
      {"a number on a button", [](Table& t) { std::get<IntegerField<S>>(t[1]).place.control = 30; },
       true, true, true, false},
      {"a control the window lacks",
       [](Table& t) { std::get<StoredTextField<S>>(t[3]).place.control = 99; }, true, true, true,
       false},
      {"a label without its caption",
       [](Table& t) { std::get<StoredTextField<S>>(t[3]).place.caption = {}; }, true, true, true,
       false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.fault);
    Table table = kSample;
    c.spoil(table);
    const FieldTable<S> spoilt = table;
    EXPECT_EQ(FieldsAreDistinct(spoilt), c.distinct);
    EXPECT_EQ(TextsFitRecords(spoilt, 1, 3), c.records);
    EXPECT_EQ(ValuesFitHeader(spoilt), c.header);
    EXPECT_EQ(FieldsMatchWindow(spoilt, KindOf), c.window);
  }
}

TEST(FieldTable, NumbersFitAnEditOrAList) {
  std::array<SettingsField<S>, 5> table = kSample;
  std::get<IntegerField<S>>(table[1]).place.control = 10;  // picked from a list
  std::get<ListField<S>>(table[0]).place.control = 0;
  EXPECT_TRUE(FieldsMatchWindow(FieldTable<S>(table), KindOf));
}

}  // namespace
}  // namespace quelmo
