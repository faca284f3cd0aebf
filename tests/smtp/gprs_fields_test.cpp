// The gprs.dat field table against the file and the JSON it describes.

#include "smtp/gprs_fields.h"

#include <gtest/gtest.h>

#include "smtp/gprs_file.h"
#include "smtp/gprs_json.h"
#include "support/field_round_trip.h"

namespace quelmo {
namespace {

const testing::KindRoundTrip<GprsSettings> kGprs{
    [](const GprsSettings& settings) { return GprsFileBytes(settings, 2); },
    [](const std::vector<std::uint8_t>& bytes) { return ReadGprsFile(bytes).settings; },
    [](const std::vector<std::uint8_t>& bytes) {
      return ShowGprsSettings(ReadGprsFile(bytes), /*reveal=*/true).json;
    },
    [](const Json& object) {
      Result<GprsInput> input = GprsSettingsFromJson(object, GprsSettings{});
      EXPECT_TRUE(input.ok()) << input.message();
      return input.ok() ? input->settings : GprsSettings{};
    },
};

TEST(GprsFields, EachFieldLandsWhereTheTableSaysAndComesBackByItsKey) {
  testing::ExpectEveryFieldWhereTheTableSays(kGprsFields, kGprs, GprsSettings{});
}

TEST(GprsFields, TheFileAndTheCommandLineNameTheTablesTextsAndSecrets) {
  EXPECT_EQ(SecretKeysOf(kGprsFields),
            (std::vector<std::string_view>{"gprsPassword", "senderPassword"}));
  std::vector<std::size_t> records;
  for (const NamedTextRecord& record : GprsTextRecords()) records.push_back(record.record);
  // Record 9 holds the user name the writer derives, no field of its own.
  EXPECT_EQ(records, (std::vector<std::size_t>{1, 2, 3, 4, 5, 6, 7, 8, 10}));
}

}  // namespace
}  // namespace quelmo
