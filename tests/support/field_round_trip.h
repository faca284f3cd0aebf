#pragma once
// A kind's field table held against the kind's own file and JSON: each field,
// given a value of its own alone, lands where the table says (its text
// record, its header byte) and comes back through the reader, show and the
// JSON under the table's key. A row naming the wrong member, key, record or
// byte fails here.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "kind/settings_fields.h"
#include "record/setting_record.h"

namespace quelmo::testing {

// What the test needs of a kind: its bytes from settings, and back.
template <typename Settings>
struct KindRoundTrip {
  std::vector<std::uint8_t> (*bytes)(const Settings& settings);
  Settings (*read)(const std::vector<std::uint8_t>& bytes);
  Json (*show)(const std::vector<std::uint8_t>& bytes);  // revealed
  Settings (*fromJson)(const Json& object);
};

inline SettingRecord Header(const std::vector<std::uint8_t>& bytes) {
  SettingRecord header = RecordAt(bytes, 0);
  SwapNibbles(header);
  return header;
}

template <typename Settings>
void ExpectEveryFieldWhereTheTableSays(FieldTable<Settings> fields,
                                       const KindRoundTrip<Settings>& kind, const Settings& base) {
  const SettingRecord base_header = Header(kind.bytes(base));
  for (const SettingsField<Settings>& field : fields) {
    const std::string key(FieldKey(field));
    SCOPED_TRACE(key);
    const FieldPlace& place = PlaceOf(field);
    Settings settings = base;
    if (const auto* text = std::get_if<StoredTextField<Settings>>(&field)) {
      const std::string value = key;  // unique, and within every limit
      settings.*text->member = value;
      const std::vector<std::uint8_t> bytes = kind.bytes(settings);
      EXPECT_EQ(ReadTextRecord(RecordAt(bytes, place.record), true).bytes, value);
      EXPECT_EQ(kind.read(bytes).*text->member, value);
      EXPECT_EQ(kind.show(bytes)[key], value);
      EXPECT_EQ(kind.fromJson(Json{{key, value}}).*text->member, value);
      continue;
    }
    const auto [member, value] = std::visit(
        [](const auto& f) -> std::pair<int Settings::*, int> {
          using F = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<F, IntegerField<Settings>>) {
            return {f.member, f.maximum};
          } else if constexpr (std::is_same_v<F, ListField<Settings>>) {
            return {f.member, 1};
          } else {
            return {nullptr, 0};
          }
        },
        field);
    ASSERT_NE(settings.*member, value) << "the base must hold another value";
    settings.*member = value;
    const std::vector<std::uint8_t> bytes = kind.bytes(settings);
    // The byte the table names is the one the value moves.
    EXPECT_NE(Header(bytes)[place.byte], base_header[place.byte]) << "byte " << place.byte;
    EXPECT_EQ(kind.read(bytes).*member, value);
    EXPECT_EQ(kind.show(bytes)[key], value);
    EXPECT_EQ(kind.fromJson(Json{{key, value}}).*member, value);
  }
}

}  // namespace quelmo::testing
