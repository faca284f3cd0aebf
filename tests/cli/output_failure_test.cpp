// What a command prints is its result: standard output that cannot take it
// (a full disk behind "> farm.json", a closed pipe) must not end in exit 0.

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using testing::FakeVolumes;
using testing::FixedClock;
using testing::TempFolder;
using testing::TestClockTime;
using testing::WriteTextFile;

// Refuses every byte at once, as a closed descriptor does.
class RefusingBuffer final : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// Takes what fits its buffer and fails when it is flushed, as a full disk
// does behind a stdio buffer: only a flush finds the fault.
class FailingOnFlushBuffer final : public std::streambuf {
 public:
  FailingOnFlushBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }

 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  int sync() override { return -1; }

 private:
  char buffer_[1 << 16];
};

struct Outcome {
  int exitCode;
  std::string err;
};

Outcome RunInto(std::streambuf& buffer, const std::vector<std::string>& args,
                VolumeSource& volumes) {
  static const FixedClock clock(TestClockTime());
  std::ostream out(&buffer);
  std::ostringstream err;
  const int status = RunCli(args, out, err, CliEnvironment{SystemFileSystem(), clock, volumes});
  return {status, err.str()};
}

TEST(OutputFailureTest, EveryCommandThatPrintsFailsWhenItsOutputIsLost) {
  TempFolder card;
  TempFolder input;
  WriteTextFile(input / "sms.json", R"({"phone1": "+4915112345678"})");
  WriteTextFile(input / "profile.json", R"({"sms": {"phone1": "+4915112345678"}})");
  ASSERT_EQ(testing::RunQuelmoCli({"write", "sms", "--out", card.path().string(), "--settings",
                                   input / "sms.json"})
                .exitCode,
            kExitOk);
  FakeVolumes volumes({{card.path().string(), "/dev/sdb1", 0}});
  const std::vector<std::vector<std::string>> commands{
      {"show", card / "sms.dat"},
      {"show", "--json", card / "sms.dat"},
      {"check", card / "sms.dat"},
      {"export", card.path().string(), "--reveal"},
      {"import", input / "profile.json", "--out", card.path().string()},
      {"write", "sms", "--out", card.path().string(), "--settings", input / "sms.json"},
      {"presets", "mms"},
      {"cards"},
      {"--help"},
      {"--version"},
  };
  for (const auto& args : commands) {
    RefusingBuffer refusing;
    FailingOnFlushBuffer failing_on_flush;
    for (std::streambuf* buffer : {static_cast<std::streambuf*>(&refusing),
                                   static_cast<std::streambuf*>(&failing_on_flush)}) {
      const auto outcome = RunInto(*buffer, args, volumes);
      EXPECT_EQ(outcome.exitCode, kExitOutputFailed) << args[0] << " " << outcome.err;
      EXPECT_THAT(outcome.err, HasSubstr("standard output could not be written")) << args[0];
    }
  }
}

TEST(OutputFailureTest, ACommandThatFailedKeepsItsOwnStatus) {
  TempFolder card;
  WriteTextFile(card / "sms.dat", std::string(300, 'x'));
  FakeVolumes volumes({});
  RefusingBuffer refusing;
  const auto outcome = RunInto(refusing, {"check", card / "sms.dat"}, volumes);
  EXPECT_EQ(outcome.exitCode, kExitCheckFailed);
  EXPECT_THAT(outcome.err, HasSubstr("standard output could not be written"));
}

}  // namespace
}  // namespace quelmo
