// The check against real SMTP servers on 127.0.0.1 (mail_servers.py): one per
// kind of encryption, certificates trusted and not, and hostile ones.

#include <future>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "mail_check/mail_check.h"
#include "mail_check/mail_check_texts.h"
#include "mail_check/mail_servers.h"

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
};

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
    for (std::size_t i = 0; i + 1 < report.steps.size(); ++i) {
      EXPECT_TRUE(report.steps[i].passed()) << MailStepKey(report.steps[i].step);
    }
    ExpectNoPassword(report, testing::kServerPassword);
    ExpectNoPassword(report, test.password);
  }
  EXPECT_EQ(MailServers::Received().size(), received_before) << "a dry run sends nothing";
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
