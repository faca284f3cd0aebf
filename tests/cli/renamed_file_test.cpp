// mms.dat and gprs.dat share a size: a file named as the one may hold the
// other, and shown by the wrong layout its passwords land in fields that
// layout does not hide.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "cli/kind_registry.h"
#include "smtp/gprs_json.h"
#include "mms/mms_json.h"
#include "cli_test_support.h"
#include "mms/mms_file.h"
#include "random_settings.h"
#include "record/setting_record.h"
#include "smtp/gprs_file.h"
#include "support/file_bytes.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;
using Json = nlohmann::json;

constexpr const char* kGprsSettings =
    R"({"apnMode": "Customer", "apn": "internet", "gprsAccount": "user",
        "gprsPassword": "GprsSecret31", "smtpServer": "smtp.example.com", "smtpPort": "587",
        "senderEmail": "camera@example.com", "senderPassword": "SenderSecret47",
        "recipientEmail": "me@example.com", "smsControlPhone": "+4915112345678"})";
constexpr const char* kMmsSettings =
    R"({"mode": "Customer", "url": "http://mms.example.com", "apn": "mms",
        "gateway": "10.0.0.172", "port": "80", "account": "acct", "password": "MmsSecret59",
        "phone": "+4915112345678"})";

struct Swap {
  const char* written;  // the kind written
  const char* settings;
  const char* renamedTo;
  std::vector<std::string> secrets;
  const char* warning;
};

const Swap kSwaps[] = {
    {"gprs", kGprsSettings, "mms.dat", {"GprsSecret31", "SenderSecret47"},
     "the content looks like gprs.dat, not mms.dat"},
    {"mms", kMmsSettings, "gprs.dat", {"MmsSecret59"},
     "the content looks like mms.dat, not gprs.dat"},
};

class RenamedFileTest : public ::testing::Test {
 protected:
  // The file `swap` writes, renamed as it says, alone in card_.
  std::filesystem::path WriteRenamed(const Swap& swap) {
    WriteTextFile(input_ / "settings.json", swap.settings);
    const auto run = RunQuelmoCli({"write", swap.written, "--out", written_.path().string(),
                                   "--settings", input_ / "settings.json"});
    EXPECT_EQ(run.exitCode, kExitOk) << run.err;
    const std::filesystem::path renamed = card_.path() / swap.renamedTo;
    std::filesystem::remove(renamed);
    std::filesystem::rename(written_.path() / (std::string(swap.written) + ".dat"), renamed);
    return renamed;
  }

  TempFolder input_;
  TempFolder written_;
  TempFolder card_;
};

TEST_F(RenamedFileTest, PasswordsOfEitherLayoutStayHiddenAndTheMismatchIsSaid) {
  for (const Swap& swap : kSwaps) {
    const std::string path = WriteRenamed(swap).string();
    struct Command {
      std::vector<std::string> args;
      int exitCode;
    };
    const Command commands[] = {
        {{"show", path}, kExitOk},
        {{"show", "--json", path}, kExitOk},
        {{"check", path}, kExitOk},
        // The other kind's values under this kind's keys would set up every
        // card it is imported into wrongly: left out, even when revealed.
        {{"export", card_.path().string()}, kExitCheckFailed},
        {{"export", card_.path().string(), "--reveal"}, kExitCheckFailed},
    };
    for (const Command& command : commands) {
      const std::string name = std::string(swap.written) + " as " + swap.renamedTo + ": " +
                               command.args[0] + " " + command.args[1];
      const auto run = RunQuelmoCli(command.args);
      EXPECT_EQ(run.exitCode, command.exitCode) << name << run.err;
      for (const auto& secret : swap.secrets) {
        EXPECT_THAT(run.out + run.err, Not(HasSubstr(secret))) << name;
      }
      const std::string said_by = command.args[0] == "export" ? run.err : run.out;
      EXPECT_THAT(said_by, HasSubstr(command.args[0] == "export" ? "not exported" : swap.warning))
          << name;
    }
    testing::FakeVolumes volumes({{card_.path().string(), "/dev/sdb1", 0}});
    const auto cards = RunQuelmoCli({"cards"}, SystemFileSystem(), volumes);
    EXPECT_THAT(cards.out, HasSubstr(std::string(swap.renamedTo) + ": intact; warning: " +
                                     swap.warning));

    const auto json = RunQuelmoCli({"show", "--json", path});
    EXPECT_THAT(Json::parse(json.out)["warnings"][0].get<std::string>(), HasSubstr(swap.warning));

    // Asked for, the values are shown, still with the warning.
    const auto revealed = RunQuelmoCli({"show", "--reveal", path});
    for (const auto& secret : swap.secrets) EXPECT_THAT(revealed.out, HasSubstr(secret));
    EXPECT_THAT(revealed.out, HasSubstr(swap.warning));
  }
}

TEST_F(RenamedFileTest, KindGivenAgainstTheContentIsWarnedAboutAndFittingItIsNot) {
  const std::string gprs_as_mms = WriteRenamed(kSwaps[0]).string();
  const auto fitting = RunQuelmoCli({"show", "--json", "--kind", "gprs", gprs_as_mms});
  ASSERT_EQ(fitting.exitCode, kExitOk) << fitting.err;
  const Json shown = Json::parse(fitting.out);
  EXPECT_EQ(shown["file"], "gprs");
  EXPECT_EQ(shown["warnings"], Json::array());
  EXPECT_TRUE(shown["settings"]["senderPassword"].is_null());
  EXPECT_EQ(shown["settings"]["smsControlPhone"], "+4915112345678");

  // The MMS file read as gprs: its password sits where gprs.dat keeps the
  // SMS control phone.
  const std::string mms = WriteRenamed(kSwaps[1]).string();
  const auto against = RunQuelmoCli({"show", "--json", "--kind", "gprs", mms});
  const Json wrong = Json::parse(against.out);
  EXPECT_TRUE(wrong["settings"]["smsControlPhone"].is_null());
  EXPECT_THAT(wrong["warnings"][0].get<std::string>(), HasSubstr(kSwaps[1].warning));
  EXPECT_THAT(RunQuelmoCli({"check", "--kind", "mms", mms}).out, Not(HasSubstr("warning")));
}

// Damage can leave a file that neither layout clearly claims: read by its
// name, with what either layout keeps a password in hidden.
TEST_F(RenamedFileTest, ContentFittingNeitherKindIsExportedWithEitherKindsPasswordsHidden) {
  WriteTextFile(input_ / "settings.json", kMmsSettings);
  ASSERT_EQ(RunQuelmoCli({"write", "mms", "--out", card_.path().string(), "--settings",
                          input_ / "settings.json"})
                .exitCode,
            kExitOk);
  const std::filesystem::path mms = card_.path() / "mms.dat";
  auto bytes = ReadBytes(mms);
  // A text in the reserved record 10, where gprs.dat keeps its recipient.
  constexpr std::size_t kRecord10 = 600;
  bytes[kRecord10] = 0x16;
  bytes[kRecord10 + kTextLengthByte] = 1;
  WriteBytes(mms, bytes);
  ASSERT_FALSE(WeighContent(KindsOfSize(780), bytes).kind) << WeighContent(KindsOfSize(780), bytes).weights;

  const auto exported = RunQuelmoCli({"export", card_.path().string()});
  EXPECT_EQ(exported.exitCode, kExitCheckFailed) << "damaged";
  EXPECT_THAT(exported.err, HasSubstr("does not clearly fit mms.dat"));
  const Json profile = Json::parse(exported.out);
  EXPECT_EQ(profile["mms"]["url"], "http://mms.example.com");
  for (const char* key : {"gateway", "account", "password"}) {
    EXPECT_TRUE(profile["mms"][key].is_null()) << key;
  }
  const auto revealed = RunQuelmoCli({"show", "--json", "--reveal", mms.string()});
  EXPECT_EQ(Json::parse(revealed.out)["settings"]["gateway"], "10.0.0.172");
}

TEST(ContentKindTest, FilesTheFormsWriteAreToldByContentAsTheirOwnKind) {
  testing::RandomSettings random(20260307);
  for (int i = 0; i < 300; ++i) {
    const auto mms = MmsFileBytes(random.Mms(), random.CameraLanguage(), random.TvMode());
    EXPECT_EQ(WeighContent(KindsOfSize(780), mms).kind, FindFileKind("mms")) << i;
    const auto gprs = GprsFileBytes(random.Gprs(), random.CameraLanguage());
    EXPECT_EQ(WeighContent(KindsOfSize(780), gprs).kind, FindFileKind("gprs")) << i;
  }
}

// The hiding goes by record: the names the file layouts give their text
// records must be the keys show prints, for the records that hold them.
TEST(ContentKindTest, TextRecordNamesAreTheKeysShownForTheValuesTheyHold) {
  testing::RandomSettings random(7);
  const auto mms = MmsFileBytes(random.Mms(), 2, 0);
  const auto gprs = GprsFileBytes(random.Gprs(), 2);
  struct Layout {
    const char* kind;
    std::vector<std::uint8_t> bytes;
    std::vector<NamedTextRecord> records;
    Json shown;
  };
  const Layout layouts[] = {
      {"mms", mms, MmsTextRecords(), ShowMmsSettings(ReadMmsFile(mms), true).json},
      {"gprs", gprs, GprsTextRecords(), ShowGprsSettings(ReadGprsFile(gprs), true).json},
  };
  for (const Layout& layout : layouts) {
    EXPECT_EQ(layout.records.size(), 9u) << layout.kind;
    for (const NamedTextRecord& record : layout.records) {
      const std::string key(record.name);
      ASSERT_TRUE(layout.shown.contains(key)) << layout.kind << " " << key;
      const auto stored = ReadTextRecord(RecordAt(layout.bytes, record.record), true).bytes;
      EXPECT_EQ(layout.shown[key], GbkToUtf8ForDisplay(stored)) << layout.kind << " " << key;
    }
  }
}

}  // namespace
}  // namespace quelmo
