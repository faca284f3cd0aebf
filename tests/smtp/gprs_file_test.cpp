#include "smtp/gprs_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "record/staged_write.h"
#include "support/reference_crc.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using quelmo::testing::ReferenceStoredCheck;
using quelmo::testing::ReferenceSwap;
using quelmo::testing::StoredCheckAt;

const GprsSettings kAuto{.apnMode = kApnAuto, .countryIndex = 4, .operatorIndex = 1,
                         .picturesPerDay = 99, .apn = "3gnet", .gprsAccount = "user",
                         .gprsPassword = "pass", .smtpServer = "smtp.example.com",
                         .smtpPort = "465", .senderEmail = "abcd@example.com",
                         .senderPassword = "s3cret", .recipientEmail = "owner@example.org",
                         .smsControlPhone = "13800138000", .smsControl = 3};

GprsSettings Customer() {
  GprsSettings s = kAuto;
  s.apnMode = kApnCustomer;
  s.countryIndex = 0;  // the single "Customer" entry of each list
  s.operatorIndex = 0;
  s.apn = "\xD6\xD0\xB9\xFA.apn";  // GBK "中国.apn"
  return s;
}

TEST(GprsFileTest, SenderUserNameIsTheAddressUpToItsFirstAt) {
  EXPECT_EQ(SenderUserName("abcd@example.com"), "abcd");
  EXPECT_EQ(SenderUserName("a@b@c"), "a");
  EXPECT_EQ(SenderUserName("no-at-sign"), "no-at-sign");
  EXPECT_EQ(SenderUserName("@example.com"), "");
}

TEST(GprsFileTest, PlainRecords) {
  const std::vector<SettingRecord> records = BuildGprsRecords(kAuto, 2);
  ASSERT_EQ(records.size(), 11u);
  std::vector<std::uint8_t> header = {0, 1, 4, 9, 9, 2, 1, 1, 3};
  header.resize(60, 0);
  header[50] = 1;
  header[58] = 0x0D;
  header[59] = 0x0A;
  EXPECT_THAT(records[0], ElementsAreArray(header));

  const char* texts[] = {"3gnet", "user",        "pass", "smtp.example.com", "465",
                         "abcd@example.com", "s3cret", "13800138000", "abcd",
                         "owner@example.org"};
  for (std::size_t k = 1; k <= 10; ++k) EXPECT_EQ(records[k], TextRecord(texts[k - 1])) << k;
}

TEST(GprsFileTest, CustomerModeStoresCountry0x80Swapped) {
  GprsSettings settings = Customer();
  settings.countryIndex = 9;
  settings.operatorIndex = 2;
  const SettingRecord header = BuildGprsRecords(settings, 2)[0];
  EXPECT_EQ(header[1], 0);
  EXPECT_EQ(header[2], 0x80);

  const std::vector<std::uint8_t> file = GprsFileBytes(settings, 2);
  EXPECT_EQ(file[2], 0x08);
  EXPECT_EQ(file[50], 0);
  EXPECT_THAT(std::span(file).subspan(6, 2), ElementsAre(0x10, 0x10));
}

TEST(GprsFileTest, FileAsWritten) {
  GprsSettings settings = kAuto;
  settings.gprsAccount.clear();
  settings.smtpServer = std::string(40, 's');
  const std::vector<std::uint8_t> file = GprsFileBytes(settings, 2);
  ASSERT_EQ(file.size(), 780u);
  for (std::size_t record = 0; record < 13; ++record) {
    EXPECT_THAT(std::span(file).subspan(record * 60 + 58, 2), ElementsAre(0x0D, 0x0A)) << record;
  }
  for (std::size_t i = 120; i < 178; ++i) EXPECT_EQ(file[i], 0) << i;  // empty account
  EXPECT_THAT(std::span(file).subspan(540, 5),
              ElementsAre(ReferenceSwap('a'), ReferenceSwap('b'), ReferenceSwap('c'),
                          ReferenceSwap('d'), 0));
  EXPECT_EQ(file[540 + 57], 4);
  EXPECT_EQ(StoredCheckAt(file, 660), ReferenceStoredCheck(std::span(file).first(660)));
  for (std::size_t i = 720; i < 778; ++i) EXPECT_EQ(file[i], 0) << i;
}

TEST(GprsFileTest, RoundTripGivesBackEveryFieldWithTheSenderPassword) {
  for (const GprsSettings& settings : {kAuto, Customer(), GprsSettings{}}) {
    const GprsFileContents contents = ReadGprsFile(GprsFileBytes(settings, 1));
    EXPECT_EQ(contents.settings, settings);
    EXPECT_EQ(contents.cameraLanguage, 1);
    EXPECT_TRUE(contents.integrity.intact())
        << ::testing::PrintToString(contents.integrity.problems);
  }
}

TEST(GprsFileTest, ReaderReportsDamage) {
  const std::vector<std::uint8_t> good = GprsFileBytes(kAuto, 2);

  const GprsFileContents cut = ReadGprsFile(std::span(good).first(360));
  EXPECT_FALSE(cut.integrity.sizeOk);
  EXPECT_FALSE(cut.integrity.checkOk);
  EXPECT_EQ(cut.settings.smtpPort, "465");
  EXPECT_EQ(cut.settings.senderEmail, "");

  std::vector<std::uint8_t> flipped = good;
  flipped[305] ^= 0x40;
  EXPECT_EQ(ReadGprsFile(flipped).integrity.checkComputed,
            ReferenceStoredCheck(std::span(flipped).first(660)));

  std::vector<std::uint8_t> broken = good;
  broken[660 + 58] = 0x0A;
  EXPECT_FALSE(ReadGprsFile(broken).integrity.lineEndsOk);

  std::vector<SettingRecord> records = BuildGprsRecords(kAuto, 2);
  records[9] = TextRecord("someone");
  const GprsFileContents renamed =
      ReadGprsFile(ScrambledFileBytes(records, TrailingRecord::kReserved));
  EXPECT_THAT(renamed.integrity.warnings, ElementsAre(HasSubstr("user name")));
  EXPECT_TRUE(renamed.integrity.intact());
  EXPECT_EQ(renamed.settings, kAuto);

  EXPECT_EQ(ReadGprsFile({}).settings.apnMode, kApnCustomer);
}

TEST(GprsFileTest, ReaderMakesValuesValid) {
  std::vector<std::uint8_t> file = GprsFileBytes(kAuto, 2);
  file[2] = ReferenceSwap(200);  // country
  file[1] = ReferenceSwap(12);   // operator
  file[8] = ReferenceSwap(9);    // SMS control
  file[4] = ReferenceSwap(10);   // units digit
  file[60 + 57] = 0xFF;          // apn length
  const GprsFileContents contents = ReadGprsFile(file);
  const GprsSettings& s = contents.settings;
  EXPECT_EQ(s.countryIndex, 0);
  EXPECT_EQ(s.operatorIndex, 0);
  EXPECT_EQ(s.smsControl, 5);
  EXPECT_EQ(s.picturesPerDay, 99);
  EXPECT_EQ(s.apn.size(), 32u);
  for (const char* reported :
       {"countryIndex", "operatorIndex", "smsControl", "picturesPerDay", "above 50", "limit of 32"}) {
    EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr(reported))) << reported;
  }
  // The same as values, in file order: header, then texts.
  EXPECT_THAT(contents.findings,
              ElementsAre(GprsFinding{FindingKind::kOutsideList, GprsField::kOperator},
                          GprsFinding{FindingKind::kOutsideList, GprsField::kCountry},
                          GprsFinding{FindingKind::kOutsideList, GprsField::kPicturesPerDay},
                          GprsFinding{FindingKind::kOutsideList, GprsField::kSmsControl},
                          GprsFinding{FindingKind::kTextCut, GprsField::kApn}));
}

TEST(GprsFileTest, WriteLeavesOnlyTheFinalFile) {
  TempFolder folder;
  ASSERT_TRUE(WriteGprsFile(SystemFileSystem(), folder.path(), kAuto, 2).ok());
  EXPECT_THAT(TempFolder::Entries(folder.path()), ElementsAre("gprs.dat"));
  Result<std::vector<std::uint8_t>> written = SystemFileSystem().ReadRegularFile(folder.path() / "gprs.dat", 1 << 20);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(*written, GprsFileBytes(kAuto, 2));
}

}  // namespace
}  // namespace quelmo
