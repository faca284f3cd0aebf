#include "mms/mms_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
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

// Each text different, so that a record out of place shows.
const MmsSettings kAuto{.mode = kMmsAuto, .countryIndex = 4, .operatorIndex = 1,
                        .url = "u", .apn = "ap", .gateway = "1.2", .port = "port",
                        .account = "account", .password = "password", .phone = "phone",
                        .receiveEmail = "email1", .phoneOrEmail2 = "second123",
                        .picturesPerDay = 37, .smsControl = 4};

MmsSettings Customer() {
  MmsSettings s = kAuto;
  s.mode = kMmsCustomer;
  s.countryIndex = kManualCountry;
  s.operatorIndex = 0;
  s.account = "\xD3\xC3\xBB\xA7";  // GBK "用户"
  return s;
}

TEST(MmsFileTest, PlainRecords) {
  const std::vector<SettingRecord> records = BuildMmsRecords(kAuto, 2, 1);
  ASSERT_EQ(records.size(), 11u);

  std::vector<std::uint8_t> header = {0, 0, 0, 3, 7, 2, 1, 1, 4, 1, 4};
  header.resize(60, 0);
  header[50] = 1;
  header[58] = 0x0D;
  header[59] = 0x0A;
  EXPECT_THAT(records[0], ElementsAreArray(header));

  const std::string texts[] = {"u",     "ap",     "1.2",     "port",     "phone",
                               "email1", "account", "password", "second123"};
  for (std::size_t k = 1; k <= 9; ++k) {
    EXPECT_EQ(records[k], TextRecord(texts[k - 1])) << k;
    EXPECT_EQ(records[k][57], texts[k - 1].size()) << k;
  }
  EXPECT_EQ(records[10], EmptyRecord());

  for (auto [pictures, tens, units] : {std::tuple{0, 0, 0}, {99, 9, 9}, {10, 1, 0}}) {
    MmsSettings settings = kAuto;
    settings.picturesPerDay = pictures;
    EXPECT_THAT(std::span(BuildMmsRecords(settings, 2, 0)[0]).subspan(3, 2), ElementsAre(tens, units));
  }
}

TEST(MmsFileTest, CustomerModeWritesManualCountryWhateverTheSettingsSay) {
  MmsSettings settings = Customer();
  settings.countryIndex = 7;
  settings.operatorIndex = 3;
  const SettingRecord header = BuildMmsRecords(settings, 2, 0)[0];
  EXPECT_EQ(header[8], 128);
  EXPECT_EQ(header[9], 0);
  EXPECT_EQ(header[50], 0);
}

TEST(MmsFileTest, FileAsWritten) {
  MmsSettings settings = kAuto;
  settings.url = "abc";
  settings.account.clear();
  settings.password.clear();
  const std::vector<std::uint8_t> file = MmsFileBytes(settings, 2, 1);
  ASSERT_EQ(file.size(), 780u);
  for (std::size_t record = 0; record < 13; ++record) {
    EXPECT_EQ(file[record * 60 + 58], 0x0D) << record;
    EXPECT_EQ(file[record * 60 + 59], 0x0A) << record;
  }
  EXPECT_EQ(file[8], ReferenceSwap(4));
  EXPECT_EQ(file[50], 1);  // outside the swapped bytes: 1, not 0x10
  EXPECT_THAT(std::span(file).subspan(60, 3), ElementsAre(0x16, 0x26, 0x36));
  EXPECT_EQ(file[60 + 57], 3);
  for (std::size_t i = 420; i < 538; ++i) {  // empty account and password
    if (i != 478 && i != 479) {
      EXPECT_EQ(file[i], 0) << i;
    }
  }
  EXPECT_EQ(StoredCheckAt(file, 660), ReferenceStoredCheck(std::span(file).first(660)));
  for (std::size_t i = 720; i < 778; ++i) EXPECT_EQ(file[i], 0) << i;
}

TEST(MmsFileTest, RoundTripGivesBackEveryField) {
  MmsSettings long_url = kAuto;
  long_url.url = std::string(50, 'w');
  for (const MmsSettings& settings : {kAuto, Customer(), MmsSettings{}, long_url}) {
    const MmsFileContents contents = ReadMmsFile(MmsFileBytes(settings, 11, 1));
    EXPECT_EQ(contents.settings, settings);
    EXPECT_EQ(contents.cameraLanguage, 11);
    EXPECT_EQ(contents.tvMode, 1);
    EXPECT_TRUE(contents.integrity.intact())
        << ::testing::PrintToString(contents.integrity.problems);
    EXPECT_THAT(contents.integrity.warnings, ::testing::IsEmpty());
  }
}

TEST(MmsFileTest, ReaderReportsFrameDamage) {
  const std::vector<std::uint8_t> good = MmsFileBytes(kAuto, 2, 0);

  const MmsFileContents cut = ReadMmsFile(std::span(good).first(500));
  EXPECT_FALSE(cut.integrity.sizeOk);
  EXPECT_FALSE(cut.integrity.lineEndsOk);
  EXPECT_FALSE(cut.integrity.checkOk);
  EXPECT_EQ(cut.settings.url, kAuto.url);
  EXPECT_EQ(cut.settings.phoneOrEmail2, "");  // record 9 is missing

  std::vector<std::uint8_t> flipped = good;
  flipped[130] ^= 0x01;
  const MmsFileContents changed = ReadMmsFile(flipped);
  EXPECT_FALSE(changed.integrity.checkOk);
  EXPECT_EQ(changed.integrity.checkStored, StoredCheckAt(good, 660));
  EXPECT_EQ(changed.integrity.checkComputed, ReferenceStoredCheck(std::span(flipped).first(660)));

  std::vector<std::uint8_t> broken = good;
  broken[779] = 0;
  EXPECT_THAT(ReadMmsFile(broken).integrity.problems, ElementsAre(HasSubstr("record 12")));
  EXPECT_FALSE(ReadMmsFile(broken).integrity.intact());

  const MmsFileContents empty = ReadMmsFile({});
  EXPECT_FALSE(empty.integrity.sizeOk);
  EXPECT_EQ(empty.settings.mode, kMmsCustomer);  // byte 50 is 0
  EXPECT_EQ(empty.settings.countryIndex, kManualCountry);
}

TEST(MmsFileTest, ReaderHoldsFieldsToTheirLimits) {
  std::vector<std::uint8_t> file = MmsFileBytes(kAuto, 2, 0);
  file[120 + 57] = 0xFF;  // apn length
  const MmsFileContents contents = ReadMmsFile(file);
  EXPECT_EQ(contents.settings.apn, std::string("ap") + std::string(28, '\0'));
  EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr("above 50")));
  EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr("limit of 30")));
  EXPECT_THAT(contents.findings,
              ElementsAre(MmsFinding{FindingKind::kTextCut, MmsField::kApn}));

  MmsSettings settings = kAuto;
  settings.apn = std::string(29, 'a') + "\xD6\xD0";  // 31 bytes, the last two one character
  settings.receiveEmail = "a\xFF\xFF@b.c";           // not GBK
  const MmsFileContents cut = ReadMmsFile(MmsFileBytes(settings, 2, 0));
  EXPECT_EQ(cut.settings.apn, std::string(29, 'a'));
  EXPECT_EQ(cut.settings.receiveEmail, settings.receiveEmail);
  EXPECT_THAT(cut.integrity.warnings, Contains(HasSubstr("receiveEmail): bytes are not valid GBK")));
  EXPECT_THAT(cut.findings,
              ElementsAre(MmsFinding{FindingKind::kTextCut, MmsField::kApn},
                          MmsFinding{FindingKind::kNotGbk, MmsField::kReceiveEmail}));
}

TEST(MmsFileTest, ReaderMakesHeaderValuesValid) {
  const std::tuple<std::size_t, std::uint8_t, const char*, MmsField> cases[] = {
      {8, 200, "countryIndex", MmsField::kCountry},
      {9, 10, "operatorIndex", MmsField::kOperator},
      {10, 6, "smsControl", MmsField::kSmsControl},
      {3, 12, "picturesPerDay", MmsField::kPicturesPerDay},
      {50, 2, "mode", MmsField::kMode}};
  for (auto [byte, value, reported, field] : cases) {
    std::vector<std::uint8_t> file = MmsFileBytes(kAuto, 2, 0);
    file[byte] = byte < 50 ? ReferenceSwap(value) : value;
    const MmsFileContents contents = ReadMmsFile(file);
    EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr(reported)));
    EXPECT_THAT(contents.findings, ElementsAre(MmsFinding{FindingKind::kOutsideList, field}))
        << reported;
    const MmsSettings& s = contents.settings;
    EXPECT_TRUE(s.mode == kMmsAuto && s.countryIndex <= 42 && s.operatorIndex <= 9 &&
                s.smsControl <= 5 && s.picturesPerDay <= 99)
        << reported;
  }

  std::vector<std::uint8_t> file = MmsFileBytes(Customer(), 2, 0);
  file[8] = ReferenceSwap(5);  // a manual file must carry the manual country
  const MmsFileContents contents = ReadMmsFile(file);
  EXPECT_EQ(contents.settings.countryIndex, kManualCountry);
  EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr("countryIndex")));
  EXPECT_THAT(contents.findings,
              ElementsAre(MmsFinding{FindingKind::kStrayBytes, MmsField::kCountry}));
}

TEST(MmsFileTest, WriteLeavesOnlyTheFinalFile) {
  TempFolder folder;
  ASSERT_TRUE(WriteMmsFile(SystemFileSystem(), folder.path(), kAuto, 2, 1).ok());
  EXPECT_THAT(TempFolder::Entries(folder.path()), ElementsAre("mms.dat"));
  Result<std::vector<std::uint8_t>> written = SystemFileSystem().ReadRegularFile(folder.path() / "mms.dat", 1 << 20);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(*written, MmsFileBytes(kAuto, 2, 1));
}

}  // namespace
}  // namespace quelmo
