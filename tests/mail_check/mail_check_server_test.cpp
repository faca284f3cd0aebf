// The check against real SMTP servers on 127.0.0.1 (mail_servers.py): one per
// kind of encryption, certificates trusted and not, and hostile ones.

#include <fstream>
#include <future>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "mail_check/mail_check.h"
#include "mail_check/mail_check_texts.h"
#include "mail_check/mail_servers.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using testing::MailServers;

const ::testing::Environment* const kServers =
    ::testing::AddGlobalTestEnvironment(new MailServers);

constexpr const char* kSender = "camera@quelmo.test";
constexpr const char* kRecipient = "owner@quelmo.test";

MailAccount Account(const std::string& server_name, const char* password = testing::kServerPassword) {
  MailAccount account;
  account.server = MailServers::Host();
  account.port = MailServers::Port(server_name);
  account.senderEmail = kSender;
  account.userName = testing::kServerUser;
  account.password = password;
  account.recipientEmail = kRecipient;
  return account;
}

MailCheckOptions Options(MailSecurity security) {
  MailCheckOptions options;
  options.security = security;
  options.caFile = MailServers::TrustedCa().string();
  options.timeoutMs = 20000;
  options.modelName = "Quelmo K300X";
  return options;
}

// What the password must never be found in.
void ExpectNoPassword(const MailCheckReport& report, const std::string& password) {
  for (const auto& step : report.steps) {
    for (int language : {1, 2}) {
      EXPECT_EQ(MailVerdictText(step, language).find(password), std::string::npos);
    }
  }
}

struct Case {
  const char* name;
  const char* server;
  MailSecurity security;
  bool allowPlain;
  const char* password;
  int timeoutMs;
  MailStep step;        // of the last step
  MailVerdict verdict;  // of the last step
};

const Case kCases[] = {
    {"implicit TLS", "implicit", MailSecurity::kImplicitTls, false, testing::kServerPassword, 20000,
     MailStep::kMessage, MailVerdict::kReadyToSend},
    {"STARTTLS", "starttls", MailSecurity::kStartTls, false, testing::kServerPassword, 20000,
     MailStep::kMessage, MailVerdict::kReadyToSend},
    {"plain text refused", "plain", MailSecurity::kStartTls, false, testing::kServerPassword, 20000,
     MailStep::kSecurity, MailVerdict::kNoEncryption},
    {"plain text agreed", "plain", MailSecurity::kStartTls, true, testing::kServerPassword, 20000,
     MailStep::kMessage, MailVerdict::kReadyToSend},
    {"wrong password", "implicit", MailSecurity::kImplicitTls, false, "not-the-password", 20000,
     MailStep::kLogin, MailVerdict::kLoginRefused},
    {"wrong password STARTTLS", "starttls", MailSecurity::kStartTls, false, "not-the-password",
     20000, MailStep::kLogin, MailVerdict::kLoginRefused},
    {"closed port", "closed", MailSecurity::kStartTls, false, testing::kServerPassword, 20000,
     MailStep::kConnect, MailVerdict::kPortClosed},
    {"untrusted certificate", "untrusted", MailSecurity::kImplicitTls, false,
     testing::kServerPassword, 20000, MailStep::kSecurity, MailVerdict::kCertificateUntrusted},
    {"certificate for another name", "wrong_name", MailSecurity::kImplicitTls, false,
     testing::kServerPassword, 20000, MailStep::kSecurity, MailVerdict::kCertificateNameMismatch},
    {"TLS port spoken to in plain text", "implicit", MailSecurity::kStartTls, false,
     testing::kServerPassword, 3000, MailStep::kGreeting, MailVerdict::kNoAnswer},
#ifdef _WIN32
    // Wine's Schannel takes plain bytes for the start of a record and waits
    // for the rest, so under Wine the check ends only at its timeout.
    {"plain bytes for a TLS handshake", "tls_garbage", MailSecurity::kImplicitTls, false,
     testing::kServerPassword, 3000, MailStep::kSecurity, MailVerdict::kNoAnswer},
#else
    {"plain bytes for a TLS handshake", "tls_garbage", MailSecurity::kImplicitTls, false,
     testing::kServerPassword, 20000, MailStep::kSecurity, MailVerdict::kTlsFailed},
#endif
    {"garbage replies", "garbage", MailSecurity::kStartTls, false, testing::kServerPassword, 20000,
     MailStep::kGreeting, MailVerdict::kClosedByServer},
    {"a line without end", "endless", MailSecurity::kStartTls, false, testing::kServerPassword,
     3000, MailStep::kGreeting, MailVerdict::kNotMailServer},
    {"a 10 MB greeting", "huge", MailSecurity::kStartTls, false, testing::kServerPassword, 3000,
     MailStep::kGreeting, MailVerdict::kNotMailServer},
    {"a slow drip", "drip", MailSecurity::kStartTls, false, testing::kServerPassword, 3000,
     MailStep::kGreeting, MailVerdict::kNoAnswer},
    {"a greeting that refuses", "refuse", MailSecurity::kStartTls, false,
     testing::kServerPassword, 20000, MailStep::kGreeting, MailVerdict::kGreetingRefused},
    {"only XOAUTH2 offered", "xoauth2_only", MailSecurity::kStartTls, false,
     testing::kServerPassword, 20000, MailStep::kLogin, MailVerdict::kLoginMethodUnusable},
    {"a log-in never answered", "slow_login", MailSecurity::kStartTls, false,
     testing::kServerPassword, 3000, MailStep::kLogin, MailVerdict::kNoAnswer},
    {"a refusal quoting PLAIN", "echo_plain", MailSecurity::kStartTls, false,
     testing::kServerPassword, 20000, MailStep::kLogin, MailVerdict::kLoginRefused},
    {"a refusal quoting LOGIN", "echo_login", MailSecurity::kStartTls, false,
     testing::kServerPassword, 20000, MailStep::kLogin, MailVerdict::kLoginRefused},
};

// The base64 that the log-ins send, as a server may quote it back.
std::vector<std::string> EncodedSecrets(const std::string& password) {
  // Worked out with `printf '\0camera\0Pw-7q!xZ' | base64` and the like.
  if (password == testing::kServerPassword) return {"AGNhbWVyYQBQdy03cSF4Wg", "UHctN3EheFo"};
  if (password == "not-the-password") {
    return {"AGNhbWVyYQBub3QtdGhlLXBhc3N3b3Jk", "bm90LXRoZS1wYXNzd29yZA"};
  }
  return {};
}

TEST(MailCheckAgainstServers, EachCaseEndsInItsOwnVerdictAndSendsNothing) {
  const std::size_t received_before = MailServers::Received().size();
  for (const Case& test : kCases) {
    SCOPED_TRACE(test.name);
    MailCheckOptions options = Options(test.security);
    options.allowPlain = test.allowPlain;
    options.timeoutMs = test.timeoutMs;
    CancelToken cancel;
    std::vector<MailStepResult> heard;
    const MailCheckReport report =
        RunMailCheck(Account(test.server, test.password), options, cancel,
                     [&heard](const MailStepResult& step) { heard.push_back(step); });
    ASSERT_FALSE(report.steps.empty());
    EXPECT_EQ(report.steps.back().step, test.step) << MailStepKey(report.steps.back().step);
    EXPECT_EQ(report.outcome(), test.verdict)
        << MailVerdictKey(report.outcome()) << ": " << report.steps.back().detail;
    EXPECT_EQ(heard.size(), report.steps.size()) << "every step is heard as it ends";
    std::set<MailStep> seen;
    for (const auto& step : report.steps) {
      EXPECT_TRUE(seen.insert(step.step).second) << "twice: " << MailStepKey(step.step);
    }
    for (std::size_t i = 0; i + 1 < report.steps.size(); ++i) {
      EXPECT_TRUE(report.steps[i].passed() || report.steps[i].caveat())
          << MailStepKey(report.steps[i].step);
    }
    ExpectNoPassword(report, testing::kServerPassword);
    ExpectNoPassword(report, test.password);
    for (const std::string& encoded : EncodedSecrets(test.password)) ExpectNoPassword(report, encoded);
  }
  EXPECT_EQ(MailServers::Received().size(), received_before) << "a dry run sends nothing";
}

// What each hostile server said, as the check shows it.
TEST(MailCheckAgainstServers, EachVerdictCarriesTheServersOwnWords) {
  const struct {
    const char* server;
    const char* password;
    int timeoutMs;
    std::vector<std::string> says;      // in the last step's text
    std::vector<std::string> saysNot;
  } kCases[] = {
      {"refuse", testing::kServerPassword, 20000, {"554 5.7.1 No SMTP service here"}, {}},
      {"xoauth2_only", testing::kServerPassword, 20000, {"offered: XOAUTH2"}, {"password was refused"}},
      {"slow_login", testing::kServerPassword, 3000, {"log-in"}, {"465"}},
      {"echo_plain", "not-the-password", 20000, {"535 5.7.8 Refused: ***"}, {}},
      {"echo_login", "not-the-password", 20000, {"535 5.7.8 Refused Y2FtZXJh with ***"}, {}},
  };
  for (const auto& test : kCases) {
    SCOPED_TRACE(test.server);
    MailCheckOptions options = Options(MailSecurity::kStartTls);
    options.timeoutMs = test.timeoutMs;
    CancelToken cancel;
    const MailCheckReport report = RunMailCheck(Account(test.server, test.password), options, cancel, {});
    ASSERT_FALSE(report.steps.empty());
    const std::string text = MailVerdictText(report.steps.back(), 2);
    for (const std::string& said : test.says) EXPECT_NE(text.find(said), std::string::npos) << text;
    for (const std::string& not_said : test.saysNot) {
      EXPECT_EQ(text.find(not_said), std::string::npos) << text;
    }
  }
}

// A server that takes mail without a log-in: nothing fails, but the
// password was never checked, and the report says so rather than pass.
TEST(MailCheckAgainstServers, AServerThatAsksForNoPasswordIsNoPass) {
  CancelToken cancel;
  const MailCheckReport report =
      RunMailCheck(Account("no_login"), Options(MailSecurity::kStartTls), cancel, {});
  ASSERT_FALSE(report.steps.empty());
  EXPECT_EQ(report.steps.back().verdict, MailVerdict::kReadyToSend) << report.steps.back().detail;
  EXPECT_FALSE(report.passed());
  EXPECT_EQ(report.outcome(), MailVerdict::kPasswordNotChecked);
  bool told = false;
  for (const auto& step : report.steps) {
    if (step.step != MailStep::kLogin) continue;
    told = step.verdict == MailVerdict::kPasswordNotChecked;
    EXPECT_NE(MailVerdictText(step, 2).find("asked for no password"), std::string::npos);
  }
  EXPECT_TRUE(told);
}

// A file of trusted certificates that is no such file is refused before any
// connection: a pipe would otherwise hold the check past its timeout.
TEST(MailCheckAgainstServers, ACaFileThatIsNoFileOfCertificatesIsRefusedAtOnce) {
  TempFolder folder;
  std::ofstream(folder.path() / "garbage.pem") << "this is no certificate\n";
  std::ofstream(folder.path() / "empty.pem");
  std::vector<std::pair<const char*, std::string>> cases = {
      {"a folder", folder.path().string()},
      {"missing", (folder.path() / "none.pem").string()},
      {"garbage", (folder.path() / "garbage.pem").string()},
      {"empty", (folder.path() / "empty.pem").string()},
  };
#ifndef _WIN32
  const std::string fifo = (folder.path() / "fifo.pem").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.push_back({"a pipe", fifo});
  cases.push_back({"a device", "/dev/zero"});
#endif
  for (const auto& [what, path] : cases) {
    SCOPED_TRACE(what);
    MailCheckOptions options = Options(MailSecurity::kImplicitTls);
    options.caFile = path;
    options.timeoutMs = 5000;
    std::vector<MailStep> heard;
    CancelToken cancel;
    const MailCheckReport report =
        RunMailCheck(Account("implicit"), options, cancel,
                     [&heard](const MailStepResult& step) { heard.push_back(step.step); });
    EXPECT_EQ(heard, std::vector<MailStep>{MailStep::kSettings}) << "refused before connecting";
    EXPECT_EQ(report.outcome(), MailVerdict::kBadCaFile) << report.steps.back().detail;
  }
}

TEST(MailCheckAgainstServers, SendDeliversTheTestMessageToTheRecipientAlone) {
  for (const auto& [server, security] : {std::pair{"implicit", MailSecurity::kImplicitTls},
                                         std::pair{"starttls", MailSecurity::kStartTls}}) {
    SCOPED_TRACE(server);
    const std::size_t received_before = MailServers::Received().size();
    MailCheckOptions options = Options(security);
    options.send = true;
    CancelToken cancel;
    const MailCheckReport report = RunMailCheck(Account(server), options, cancel, {});
    ASSERT_EQ(report.outcome(), MailVerdict::kSent) << report.steps.back().detail;
    ExpectNoPassword(report, testing::kServerPassword);

    const auto received = MailServers::Received();
    ASSERT_EQ(received.size(), received_before + 1);
    bool found = false;
    for (const auto& mail : received) {
      if (mail.data.find("Subject: Quelmo K300X test message") == std::string::npos) continue;
      found = true;
      EXPECT_EQ(mail.mailFrom, kSender);
      EXPECT_EQ(mail.recipients, std::vector<std::string>{kRecipient});
      EXPECT_NE(mail.data.find("From: <camera@quelmo.test>"), std::string::npos);
      EXPECT_NE(mail.data.find("To: <owner@quelmo.test>"), std::string::npos);
      EXPECT_NE(mail.data.find("Content-Type: image/png"), std::string::npos);
      EXPECT_NE(mail.data.find("filename=\"quelmo.png\""), std::string::npos);
      EXPECT_EQ(mail.data.find(testing::kServerPassword), std::string::npos);
    }
    EXPECT_TRUE(found);
  }
}

TEST(MailCheckAgainstServers, ChineseTestMessageHasAnEncodedSubject) {
  MailCheckOptions options = Options(MailSecurity::kImplicitTls);
  options.send = true;
  options.language = 1;
  CancelToken cancel;
  const MailCheckReport report = RunMailCheck(Account("implicit"), options, cancel, {});
  ASSERT_EQ(report.outcome(), MailVerdict::kSent);
  bool found = false;
  for (const auto& mail : MailServers::Received()) {
    found = found || mail.data.find("Subject: =?UTF-8?B?") != std::string::npos;
  }
  EXPECT_TRUE(found);
}

TEST(MailCheckAgainstServers, CancelFromAnotherThreadEndsAWaitForASilentServer) {
  for (const auto& [server, security] : {std::pair{"silent", MailSecurity::kStartTls},
                                         std::pair{"silent", MailSecurity::kImplicitTls}}) {
    CancelToken cancel;
    std::promise<void> connected;
    bool told = false;
    std::thread canceller([&cancel, reached = connected.get_future()]() mutable {
      reached.wait();
      cancel.Cancel();
    });
    MailCheckOptions options = Options(security);
    options.timeoutMs = 600000;  // only Cancel can end it
    const MailCheckReport report =
        RunMailCheck(Account(server), options, cancel, [&](const MailStepResult& step) {
          if (step.step == MailStep::kConnect && !told) {
            told = true;
            connected.set_value();
          }
        });
    if (!told) connected.set_value();
    canceller.join();
    EXPECT_EQ(report.outcome(), MailVerdict::kCancelled);
  }
}

}  // namespace
}  // namespace quelmo
