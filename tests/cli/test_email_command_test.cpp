// quelmo-cli test-email against the test mail servers on 127.0.0.1.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <nlohmann/json.hpp>

#include "cli/cli_main.h"
#include "cli/exit_codes.h"
#include "mail_check/mail_servers.h"
#include "smtp/gprs_file.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using testing::MailServers;

const ::testing::Environment* const kServers =
    ::testing::AddGlobalTestEnvironment(new MailServers);

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunCli(std::move(args), out, err);
  return {status, out.str(), err.str()};
}

class TestEmail : public ::testing::Test {
 protected:
  // JSON settings for the server `name`; `password` as given.
  std::string Settings(const std::string& name, const std::string& password,
                       const std::string& recipient = "owner@quelmo.test") {
    const nlohmann::json settings = {
        {"apnMode", 1},
        {"apn", "internet"},
        {"smtpServer", "127.0.0.1"},
        {"smtpPort", std::to_string(MailServers::Port(name))},
        {"senderEmail", "camera@quelmo.test"},
        {"senderPassword", password},
        {"recipientEmail", recipient}};
    const auto path = folder_.path() / (name + "-" + std::to_string(++files_) + ".json");
    std::ofstream(path) << settings.dump();
    return path.string();
  }

  std::string Ca() const { return MailServers::TrustedCa().string(); }

  TempFolder folder_;
  int files_ = 0;
};

TEST_F(TestEmail, EachCaseEndsWithItsVerdictAndExitStatus) {
  const struct {
    const char* name;
    const char* server;
    const char* password;
    std::vector<std::string> extra;
    int status;
    const char* says;
  } cases[] = {
      {"dry run", "starttls", testing::kServerPassword, {}, kExitOk, "Nothing was sent."},
      {"wrong password", "starttls", "Wrong-Pw-1", {}, kExitMailCheckFailed, "app password"},
      {"closed port", "closed", testing::kServerPassword, {}, kExitMailCheckFailed,
       "many networks block port 25; try 465 or 587"},
      {"plain text", "plain", testing::kServerPassword, {}, kExitMailCheckFailed,
       "would cross the network in the clear"},
      {"plain text agreed", "plain", testing::kServerPassword, {"--allow-plain"}, kExitOk,
       "Nothing was sent."},
      {"Chinese", "starttls", testing::kServerPassword, {"--language", "1"}, kExitOk,
       "未发送任何邮件"},
      {"TLS from the start", "implicit", testing::kServerPassword, {"--implicit-tls"}, kExitOk,
       "Nothing was sent."},
      {"certificate for another name", "wrong_name", testing::kServerPassword,
       {"--implicit-tls"}, kExitMailCheckFailed, "certificate is for another name"},
  };
  const std::size_t received_before = MailServers::Received().size();
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    std::vector<std::string> args = {"test-email", "--settings",
                                     Settings(test.server, test.password), "--ca-file", Ca()};
    args.insert(args.end(), test.extra.begin(), test.extra.end());
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, test.status) << run.out << run.err;
    EXPECT_NE(run.out.find(test.says), std::string::npos) << run.out;
    EXPECT_EQ((run.out + run.err).find(test.password), std::string::npos);
  }
  EXPECT_EQ(MailServers::Received().size(), received_before);
}

TEST_F(TestEmail, JsonCarriesEveryStepWithItsVerdict) {
  const CliRun run = Cli({"test-email", "--settings", Settings("starttls", "Wrong-Pw-1"), "--ca-file",
                       Ca(), "--json"});
  ASSERT_EQ(run.status, kExitMailCheckFailed) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json.at("passed"), false);
  EXPECT_EQ(json.at("outcome"), "login-refused");
  std::vector<std::string> steps;
  for (const auto& step : json.at("steps")) steps.push_back(step.at("step"));
  EXPECT_EQ(steps, (std::vector<std::string>{"settings", "resolve", "connect", "greeting",
                                             "security", "login"}));
  EXPECT_EQ(json.at("steps").back().at("verdict"), "login-refused");
  EXPECT_EQ(run.out.find("Wrong-Pw-1"), std::string::npos);
}

TEST_F(TestEmail, SendFromAGprsFileDeliversTheMessage) {
  ASSERT_EQ(Cli({"write", "gprs", "--out", folder_.path().string(), "--settings",
                 Settings("starttls", testing::kServerPassword)})
                .status,
            kExitOk);
  const std::size_t received_before = MailServers::Received().size();
  const CliRun run = Cli({"test-email", (folder_.path() / "gprs.dat").string(), "--ca-file", Ca(),
                       "--send"});
  EXPECT_EQ(run.status, kExitOk) << run.out << run.err;
  EXPECT_NE(run.out.find("The test message was sent"), std::string::npos);
  EXPECT_EQ(run.out.find(testing::kServerPassword), std::string::npos);
  const auto received = MailServers::Received();
  ASSERT_EQ(received.size(), received_before + 1);
}

TEST_F(TestEmail, NoPasswordAskedForHasItsOwnExitStatus) {
  const CliRun run =
      Cli({"test-email", "--settings", Settings("no_login", testing::kServerPassword), "--ca-file", Ca()});
  EXPECT_EQ(run.status, kExitMailPasswordNotChecked) << run.out << run.err;
  EXPECT_NE(run.out.find("Log in: The server asked for no password, so the camera's password was "
                         "not checked."),
            std::string::npos)
      << run.out;
  const CliRun json = Cli({"test-email", "--settings", Settings("no_login", testing::kServerPassword),
                           "--ca-file", Ca(), "--json"});
  EXPECT_EQ(nlohmann::json::parse(json.out).at("outcome"), "password-not-checked");
  EXPECT_EQ(nlohmann::json::parse(json.out).at("passed"), false);
}

#ifndef _WIN32
// A pipe in place of the certificates would hold the check past --timeout.
TEST_F(TestEmail, ACaFileThatIsNoFileIsBadInput) {
  const std::string fifo = (folder_.path() / "ca.pem").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const CliRun run = Cli({"test-email", "--settings", Settings("starttls", testing::kServerPassword),
                          "--ca-file", fifo, "--timeout", "3"});
  EXPECT_EQ(run.status, kExitBadInput) << run.out << run.err;
  EXPECT_NE(run.out.find("The file of trusted certificates cannot be used"), std::string::npos)
      << run.out;
}
#endif

// A card file may hold any byte in its texts: the server name is printed
// escaped, on its one line.
TEST_F(TestEmail, TextsOfACardFileNeverReachTheTerminalRaw) {
  GprsSettings settings;
  settings.apnMode = kApnCustomer;
  settings.smtpServer = "\x1B]0;owned\x07mail\nFAKE LINE";
  settings.smtpPort = std::to_string(MailServers::Port("starttls"));
  settings.senderEmail = "camera@quelmo.test\x1B[2J";
  settings.senderPassword = testing::kServerPassword;
  settings.recipientEmail = "owner@quelmo.test";
  const auto bytes = GprsFileBytes(settings, 2);
  const auto path = folder_.path() / "gprs.dat";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  const CliRun run = Cli({"test-email", path.string(), "--ca-file", Ca()});
  EXPECT_EQ(run.status, kExitBadInput) << run.out << run.err;
  EXPECT_NE(run.out.find("Checking \\u001b]0;owned\\u0007mail\\nFAKE LINE:"), std::string::npos)
      << run.out;
  EXPECT_EQ((run.out + run.err).find('\x1B'), std::string::npos) << run.out << run.err;
  EXPECT_EQ(run.out.find("\nFAKE"), std::string::npos) << run.out;
}

TEST_F(TestEmail, RefusesBadUsageAndIncompleteSettings) {
  const std::string good = Settings("starttls", testing::kServerPassword);
  const std::vector<std::vector<std::string>> cases = {
      {"test-email"},
      {"test-email", good, "--settings", good},
      {"test-email", (folder_.path() / "none.dat").string()},
      {"test-email", good},  // JSON is no gprs.dat
      {"test-email", "--settings", Settings("starttls", testing::kServerPassword, "")},
      {"test-email", "--settings", good, "--timeout", "0"},
  };
  for (const auto& args : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitBadInput) << args.size() << run.out << run.err;
  }
}

}  // namespace
}  // namespace quelmo
