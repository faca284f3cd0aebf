// write --operator CC:NAME: Customer mode from a provider of the operator
// database, here a database of the test's own.

#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "operators/sample_operators.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using testing::CliRun;
using testing::TempFolder;
using testing::WriteTextFile;

class OperatorWriteTest : public ::testing::Test {
 protected:
  CliRun Run(std::vector<std::string> args) {
    static const testing::FixedClock clock(testing::TestClockTime());
    std::ostringstream out;
    std::ostringstream err;
    CliEnvironment environment{SystemFileSystem(), clock, SystemVolumeSource(),
                               [this]() -> Result<const OperatorDatabase*> {
                                 if (unavailable) return Error{ErrorCode::kCorrupt, *unavailable};
                                 return &database;
                               }};
    CliRun run;
    run.exitCode = RunCli(std::move(args), out, err, environment);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  CliRun Write(const std::string& kind, const std::string& choice, const std::string& settings) {
    WriteTextFile(input_ / "settings.json", settings);
    return Run({"write", kind, "--out", out_.path().string(), "--settings", input_ / "settings.json",
                "--operator", choice});
  }

  // What show --json --reveal reads back from the file written.
  nlohmann::json Shown(const std::string& file) {
    const CliRun shown = Run({"show", "--json", "--reveal", out_ / file});
    return nlohmann::json::parse(shown.out)["settings"];
  }

  OperatorDatabase database = testing::SampleDatabase();
  std::optional<std::string> unavailable;
  TempFolder input_;
  TempFolder out_;
};

constexpr const char* kMmsRecipient = R"({"phone": "+447700900123", "apn": "replaced"})";
constexpr const char* kMailSettings =
    R"({"smtpServer": "smtp.example.com", "smtpPort": "25", "senderEmail": "cam@example.com",
        "senderPassword": "secret", "recipientEmail": "me@example.com"})";

TEST_F(OperatorWriteTest, WritesCustomerModeWithTheDatabasesValuesExactly) {
  CliRun run = Write("mms", "gb:GiffGaff", kMmsRecipient);
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  nlohmann::json mms = Shown("mms.dat");
  EXPECT_EQ(mms["mode"], 1);
  EXPECT_EQ(mms["url"], "http://mmsc.mms.o2.co.uk:8002");
  EXPECT_EQ(mms["apn"], "wap.o2.co.uk");
  EXPECT_EQ(mms["gateway"], "193.113.200.195");
  EXPECT_EQ(mms["port"], "8080");
  EXPECT_EQ(mms["account"], "o2wap");
  EXPECT_EQ(mms["password"], "password");
  EXPECT_EQ(mms["phone"], "+447700900123");

  run = Write("gprs", "GB:giffgaff", kMailSettings);
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  nlohmann::json gprs = Shown("gprs.dat");
  EXPECT_EQ(gprs["apnMode"], 1);
  EXPECT_EQ(gprs["apn"], "giffgaff.com");
  EXPECT_EQ(gprs["gprsAccount"], "giffgaff");
  EXPECT_EQ(gprs["gprsPassword"], "password");
  EXPECT_EQ(gprs["smtpServer"], "smtp.example.com");
}

TEST_F(OperatorWriteTest, WhatCannotBeWrittenIsExitTwoNamingItAndNothingIsWritten) {
  database.countries[2].providers[0].accessPoints[1].mmsProxy = "149.254.201.135:99999";
  const struct {
    const char* kind;
    const char* choice;
    std::vector<std::string> said;
  } kCases[] = {
      {"mms", "gb:giffgaf", {"no operator \"giffgaf\" in \"gb\"", "did you mean \"giffgaff\"?"}},
      {"mms", "gb:Vodafone", {"no operator \"Vodafone\" in \"gb\""}},
      {"mms", "zz:giffgaff", {"no country \"zz\""}},
      {"mms", "giffgaff", {"CC:NAME"}},
      {"mms", "gb:", {"CC:NAME"}},
      {"camera", "gb:giffgaff", {"only these kinds have: mms, gprs"}},
      {"mms", "us:Mint Mobile", {"Mint Mobile: mms.dat cannot take", "apn: Mint Mobile has no MMS access point"}},
      {"mms", "gb:EE", {"port: the MMS proxy \"149.254.201.135:99999\""}},
      {"gprs", "gb:EE", {}},
  };
  for (const auto& c : kCases) {
    const CliRun run = Write(c.kind, c.choice, c.kind == std::string("gprs") ? kMailSettings : kMmsRecipient);
    if (c.said.empty()) {
      EXPECT_EQ(run.exitCode, kExitOk) << c.choice << ": " << run.err;
      continue;
    }
    EXPECT_EQ(run.exitCode, kExitBadInput) << c.choice;
    for (const std::string& said : c.said) EXPECT_THAT(run.err, HasSubstr(said)) << c.choice;
    EXPECT_FALSE(std::filesystem::exists(out_.path() / "mms.dat")) << c.choice;
  }
}

TEST_F(OperatorWriteTest, AnOperatorWhose2GIsOffIsWarnedOfAndWrittenAllTheSame) {
  OperatorProvider telstra = testing::Giffgaff();
  telstra.name = "Telstra";
  telstra.networkIds = {{"505", "01"}};
  database.countries.push_back({"au", {telstra}});
  CliRun run = Write("mms", "au:telstra", kMmsRecipient);
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_THAT(run.err, HasSubstr("quelmo-cli write: warning: \"Telstra\": 2G switched off in 2016: a GSM camera "
                                 "cannot connect to this network (https://"));
  EXPECT_EQ(Shown("mms.dat")["apn"], "wap.o2.co.uk");

  run = Write("gprs", "gb:giffgaff", kMailSettings);  // announced for 2033: not yet a reason to warn
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
}

TEST_F(OperatorWriteTest, AnUnreadableDatabaseGivesItsOwnMessage) {
  unavailable = "/usr/share/x/serviceproviders.xml: line 3: not well-formed";
  const CliRun run = Write("gprs", "gb:giffgaff", kMailSettings);
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("serviceproviders.xml: line 3: not well-formed"));
  EXPECT_FALSE(std::filesystem::exists(out_.path() / "gprs.dat"));
}

TEST_F(OperatorWriteTest, TheOperatorStillPassesTheFormsSaveChecks) {
  const CliRun run = Write("mms", "gb:giffgaff", "{}");
  EXPECT_EQ(run.exitCode, kExitCheckFailed) << "no recipient";
}

}  // namespace
}  // namespace quelmo
