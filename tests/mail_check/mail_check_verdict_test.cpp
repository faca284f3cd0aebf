// The parts of the check that need no server: the settings it refuses, the
// verdict of each way a transfer can fail, and what its report may say.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "mail_check/curl_verdict.h"
#include "mail_check/mail_check.h"
#include "mail_check/mail_check_texts.h"
#include "mail_check/server_talk.h"
#include "mail_check/step_log.h"
#include "text/language_code.h"
#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {
namespace {

TEST(MailCheck, UnusableSettingsStopBeforeAnyConnection) {
  MailAccount good{"127.0.0.1", 25, "a@b.c", "a", "pw", "d@e.f"};
  struct Case {
    const char* name;
    void (*spoil)(MailAccount&);
  } cases[] = {
      {"no server", [](MailAccount& a) { a.server.clear(); }},
      {"server with a path", [](MailAccount& a) { a.server = "mail.example.com/x@y"; }},
      {"no sender", [](MailAccount& a) { a.senderEmail.clear(); }},
      {"no password", [](MailAccount& a) { a.password.clear(); }},
      {"no recipient", [](MailAccount& a) { a.recipientEmail.clear(); }},
      {"recipient with a second command", [](MailAccount& a) { a.recipientEmail = "d@e.f>\r\nRCPT TO:<x@y.z"; }},
      {"sender with a blank", [](MailAccount& a) { a.senderEmail = "a b@c.d"; }},
      {"port 0", [](MailAccount& a) { a.port = 0; }},
  };
  for (const auto& test : cases) {
    MailAccount account = good;
    test.spoil(account);
    CancelToken cancel;
    const auto report = RunMailCheck(account, MailCheckOptions{}, cancel, {});
    ASSERT_EQ(report.steps.size(), 1u) << test.name;
    EXPECT_EQ(report.outcome(), MailVerdict::kBadSettings) << test.name;
    // What is wrong is said in the user's language: every catalogue has it.
    const std::size_t before = MissedLookups();
    for (const LanguageRow& row : LanguageRows()) (void)MailVerdictText(report.steps[0], row.code);
    EXPECT_EQ(MissedLookups(), before) << test.name;
    EXPECT_EQ(MailVerdictText(report.steps[0], kGerman).find(report.steps[0].detail),
              std::string::npos)
        << test.name;
  }
}

TEST(FailedStep, NamesTheStepAndTheVerdictOfEachFailure) {
  const auto at = [](CURLcode code, bool resolved, bool connected, long reply, bool secured,
                     bool implicit, long check = 0, const char* error = "") {
    TransferFacts facts;
    facts.code = code;
    facts.resolved = resolved;
    facts.connected = connected;
    facts.lastReply = reply;
    facts.secured = secured;
    facts.implicitTls = implicit;
    facts.certificateCheck = check;
    facts.errorText = error;
    return facts;
  };
  const struct {
    TransferFacts facts;
    MailStep step;
    MailVerdict verdict;
  } cases[] = {
      {at(CURLE_COULDNT_RESOLVE_HOST, false, false, 0, false, false), MailStep::kResolve,
       MailVerdict::kNameNotFound},
      {at(CURLE_OPERATION_TIMEDOUT, false, false, 0, false, false), MailStep::kResolve,
       MailVerdict::kNoAnswer},
      {at(CURLE_COULDNT_CONNECT, true, false, 0, false, false), MailStep::kConnect,
       MailVerdict::kPortClosed},
      {at(CURLE_OPERATION_TIMEDOUT, true, false, 0, false, false), MailStep::kConnect,
       MailVerdict::kPortClosed},
      {at(CURLE_OPERATION_TIMEDOUT, true, true, 0, false, true), MailStep::kSecurity,
       MailVerdict::kNoAnswer},
      {at(CURLE_OPERATION_TIMEDOUT, true, true, 0, false, false), MailStep::kGreeting,
       MailVerdict::kNoAnswer},
      {at(CURLE_OPERATION_TIMEDOUT, true, true, 250, true, false), MailStep::kLogin,
       MailVerdict::kNoAnswer},
      {at(CURLE_ABORTED_BY_CALLBACK, true, true, 220, false, false), MailStep::kSecurity,
       MailVerdict::kCancelled},
      {at(CURLE_SSL_CONNECT_ERROR, true, true, 0, false, true), MailStep::kSecurity,
       MailVerdict::kTlsFailed},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 19,
          "SSL certificate problem: self-signed certificate in certificate chain"),
       MailStep::kSecurity, MailVerdict::kCertificateUntrusted},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 0,
          "SSL: no alternative certificate subject name matches target host name 'x'"),
       MailStep::kSecurity, MailVerdict::kCertificateNameMismatch},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 0,
          "schannel: CertGetNameString() failed to match connection hostname (x) against "
          "server certificate names"),
       MailStep::kSecurity, MailVerdict::kCertificateNameMismatch},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 0,
          "schannel: SEC_E_WRONG_PRINCIPAL (0x80090322) - The target principal name is "
          "incorrect."),
       MailStep::kSecurity, MailVerdict::kCertificateNameMismatch},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 0,
          "schannel: CertGetCertificateChain trust error CERT_TRUST_IS_PARTIAL_CHAIN"),
       MailStep::kSecurity, MailVerdict::kCertificateUntrusted},
      {at(CURLE_PEER_FAILED_VERIFICATION, true, true, 0, false, true, 10, "expired"),
       MailStep::kSecurity, MailVerdict::kCertificateExpired},
      {at(CURLE_USE_SSL_FAILED, true, true, 250, false, false), MailStep::kSecurity,
       MailVerdict::kNoEncryption},
      {at(CURLE_LOGIN_DENIED, true, true, 535, true, false), MailStep::kLogin,
       MailVerdict::kLoginRefused},
      {at(CURLE_LOGIN_DENIED, true, true, 250, true, false, 0,
          "No known authentication mechanisms supported!"),
       MailStep::kLogin, MailVerdict::kLoginMethodUnusable},
      {at(CURLE_WEIRD_SERVER_REPLY, true, true, 0, false, false), MailStep::kGreeting,
       MailVerdict::kNotMailServer},
      {at(CURLE_GOT_NOTHING, true, true, 0, false, false), MailStep::kGreeting,
       MailVerdict::kClosedByServer},
      {at(CURLE_OUT_OF_MEMORY, true, true, 250, true, false), MailStep::kLogin,
       MailVerdict::kFailed},
  };
  for (const auto& test : cases) {
    const MailStepResult result = FailedStep(test.facts);
    EXPECT_EQ(result.step, test.step) << curl_easy_strerror(test.facts.code);
    EXPECT_EQ(result.verdict, test.verdict) << curl_easy_strerror(test.facts.code);
  }
}

// What the transfer's conversation tells: the greeting, the log-in methods
// of the last EHLO (after STARTTLS the server may offer others) and whether
// the password was ever tried.
TEST(ServerTalk, ReadsGreetingLoginMethodsAndWhetherALoginWentOut) {
  const struct {
    const char* what;
    std::vector<std::pair<bool, std::string>> lines;  // true: heard; false: said
    long greeting;
    std::vector<std::string> methods;
    bool tried;
  } kCases[] = {
      {"a refusing greeting", {{true, "554 5.7.1 No SMTP service\r\n"}}, 554, {}, false},
      {"a greeting in pieces", {{true, "220-mx.example ESMTP\r\n220"}, {true, " ready\r\n"}},
       220, {}, false},
      {"no AUTH",
       {{true, "220 hi\r\n"}, {false, "EHLO quelmo\r\n"}, {true, "250-mx\r\n250 SIZE 10\r\n"}},
       220, {}, false},
      {"PLAIN and LOGIN, the old way too",
       {{true, "220 hi\r\n"}, {false, "EHLO q\r\n"},
        {true, "250-mx\r\n250-AUTH PLAIN login\r\n250-AUTH=LOGIN\r\n250 OK\r\n"},
        {false, "AUTH PLAIN\r\n"}, {true, "334 \r\n"}, {false, "AHVzZXIAcHc=\r\n"}},
       220, {"PLAIN", "LOGIN"}, true},
      {"only XOAUTH2 after STARTTLS",
       {{true, "220 hi\r\n"}, {false, "EHLO q\r\n"}, {true, "250-mx\r\n250 STARTTLS\r\n"},
        {false, "STARTTLS\r\n"}, {true, "220 go\r\n"}, {false, "EHLO q\r\n"},
        {true, "250-mx\r\n250 AUTH XOAUTH2\r\n"}},
       220, {"XOAUTH2"}, false},
      {"a base64 line is no command", {{false, "QVVUSCBQTEFJTg==\r\n"}}, 0, {}, false},
  };
  for (const auto& c : kCases) {
    ServerTalk talk;
    for (const auto& [heard, line] : c.lines) heard ? talk.Heard(line) : talk.Said(line);
    EXPECT_EQ(talk.greetingCode(), c.greeting) << c.what;
    EXPECT_EQ(talk.loginMethods(), c.methods) << c.what;
    EXPECT_EQ(talk.loginTried(), c.tried) << c.what;
  }
}

TEST(FailedStep, TheServersOwnWordsDecideWhereTheyTellMore) {
  TransferFacts facts;
  facts.resolved = facts.connected = true;
  const auto failed = [&facts](CURLcode code, std::vector<std::pair<bool, std::string>> lines) {
    facts.code = code;
    ServerTalk talk;
    for (const auto& [heard, line] : lines) heard ? talk.Heard(line) : talk.Said(line);
    return FailedStep(facts, talk);
  };
  facts.lastReply = 554;
  MailStepResult step = failed(CURLE_WEIRD_SERVER_REPLY, {{true, "554 5.7.1 Go away\r\n"}});
  EXPECT_EQ(step.step, MailStep::kGreeting);
  EXPECT_EQ(step.verdict, MailVerdict::kGreetingRefused);
  EXPECT_EQ(step.detail, "554 5.7.1 Go away");

  facts.lastReply = 250;
  facts.secured = true;
  step = failed(CURLE_LOGIN_DENIED, {{true, "220 hi\r\n"}, {false, "EHLO q\r\n"},
                                     {true, "250-mx\r\n250 AUTH XOAUTH2 OAUTHBEARER\r\n"}});
  EXPECT_EQ(step.verdict, MailVerdict::kLoginMethodUnusable);
  EXPECT_EQ(step.detail, "offered: XOAUTH2 OAUTHBEARER");

  step = failed(CURLE_LOGIN_DENIED,
                {{true, "220 hi\r\n"}, {false, "EHLO q\r\n"}, {true, "250 AUTH LOGIN\r\n"},
                 {false, "AUTH LOGIN\r\n"}, {true, "535 5.7.8 Bad credentials\r\n"}});
  EXPECT_EQ(step.verdict, MailVerdict::kLoginRefused);
  EXPECT_EQ(step.detail, "535 5.7.8 Bad credentials");
}

TEST(MailCheckTexts, AdviceAboutAnEncryptedPortBelongsToTheGreeting) {
  for (const MailStep step : {MailStep::kLogin, MailStep::kSender, MailStep::kRecipient}) {
    const std::string text = MailVerdictText({step, MailVerdict::kNoAnswer, {}}, 2);
    EXPECT_EQ(text.find("465"), std::string::npos) << MailStepKey(step) << ": " << text;
  }
  EXPECT_NE(MailVerdictText({MailStep::kLogin, MailVerdict::kNoAnswer, {}}, 2).find("log-in"),
            std::string::npos);
  EXPECT_NE(MailVerdictText({MailStep::kGreeting, MailVerdict::kNoAnswer, {}}, 2).find("465"),
            std::string::npos);
}

TEST(MailCheckReport, NoPasswordAskedForIsNoPlainPass) {
  MailCheckReport report;
  for (const MailStep step : {MailStep::kSettings, MailStep::kGreeting, MailStep::kSecurity}) {
    report.steps.push_back({step, MailVerdict::kPassed, {}});
  }
  report.steps.push_back({MailStep::kLogin, MailVerdict::kPasswordNotChecked, {}});
  report.steps.push_back({MailStep::kMessage, MailVerdict::kReadyToSend, {}});
  EXPECT_FALSE(report.passed());
  EXPECT_EQ(report.outcome(), MailVerdict::kPasswordNotChecked);
  report.steps.back() = {MailStep::kRecipient, MailVerdict::kRecipientRefused, {}};
  EXPECT_EQ(report.outcome(), MailVerdict::kRecipientRefused) << "a failure comes first";
}

TEST(StepLog, KeepsTheOrderOfItsKindOfSecurityAndNeverThePassword) {
  for (const bool implicit : {false, true}) {
    std::vector<MailStep> heard;
    const MailProgress progress = [&heard](const MailStepResult& step) {
      heard.push_back(step.step);
    };
    StepLog log(progress, {"p*ss", "cCpzcw"}, implicit);
    log.Add({MailStep::kLogin, MailVerdict::kLoginRefused,
             "535 bad p*ss for camera\r\n\x01 and p*ssp*ss cCpzcw== \xE2\x80\xAE"});
    log.PassBefore(MailStep::kConnect);  // behind: no effect
    const auto report = log.Take();
    const std::vector<MailStep> expected =
        implicit ? std::vector{MailStep::kSettings, MailStep::kResolve, MailStep::kConnect,
                               MailStep::kSecurity, MailStep::kGreeting, MailStep::kLogin}
                 : std::vector{MailStep::kSettings, MailStep::kResolve, MailStep::kConnect,
                               MailStep::kGreeting, MailStep::kSecurity, MailStep::kLogin};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(report.steps.back().detail,
              "535 bad *** for camera\\r\\n\\u0001 and ****** ***== \\u202e");
  }
}

TEST(MailCheckTexts, EveryVerdictHasItsOwnKeyAndBothLanguages) {
  std::set<std::string> keys;
  for (int verdict = 0; verdict <= static_cast<int>(MailVerdict::kFailed); ++verdict) {
    const MailStepResult result{MailStep::kLogin, static_cast<MailVerdict>(verdict), {}};
    EXPECT_TRUE(keys.insert(MailVerdictKey(result.verdict)).second) << verdict;
    EXPECT_NE(MailVerdictText(result, 1), MailVerdictText(result, 2)) << verdict;
  }
}

}  // namespace
}  // namespace quelmo
