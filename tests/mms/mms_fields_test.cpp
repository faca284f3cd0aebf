// The mms.dat field table against the file and the JSON it describes.

#include "mms/mms_fields.h"

#include <gtest/gtest.h>

#include "mms/mms_file.h"
#include "mms/mms_json.h"
#include "support/field_round_trip.h"

namespace quelmo {
namespace {

const testing::KindRoundTrip<MmsSettings> kMms{
    [](const MmsSettings& settings) { return MmsFileBytes(settings, 2, 0); },
    [](const std::vector<std::uint8_t>& bytes) { return ReadMmsFile(bytes).settings; },
    [](const std::vector<std::uint8_t>& bytes) {
      return ShowMmsSettings(ReadMmsFile(bytes), /*reveal=*/true).json;
    },
    [](const Json& object) {
      Result<MmsInput> input = MmsSettingsFromJson(object, MmsSettings{});
      EXPECT_TRUE(input.ok()) << input.message();
      return input.ok() ? input->settings : MmsSettings{};
    },
};

TEST(MmsFields, EachFieldLandsWhereTheTableSaysAndComesBackByItsKey) {
  testing::ExpectEveryFieldWhereTheTableSays(kMmsFields, kMms, MmsSettings{});
}

TEST(MmsFields, TheFileAndTheCommandLineNameTheTablesTextsAndSecrets) {
  EXPECT_EQ(SecretKeysOf(kMmsFields), (std::vector<std::string_view>{"password"}));
  std::vector<std::size_t> records;
  for (const NamedTextRecord& record : MmsTextRecords()) records.push_back(record.record);
  // Record 10 stays reserved: that is where gprs.dat keeps its recipient.
  EXPECT_EQ(records, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace quelmo
