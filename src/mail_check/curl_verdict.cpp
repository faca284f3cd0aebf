#include "mail_check/curl_verdict.h"

namespace quelmo {
namespace {

// OpenSSL's verify results the certificate verdicts tell apart.
constexpr long kCertificateNotYetValid = 9;
constexpr long kCertificateHasExpired = 10;

bool Mentions(const std::string& text, const char* words) {
  return text.find(words) != std::string::npos;
}

// Where a transfer that ran out of time or was broken off had got to.
MailStep StepReached(const TransferFacts& facts) {
  if (!facts.resolved) return MailStep::kResolve;
  if (!facts.connected) return MailStep::kConnect;
  if (facts.implicitTls && !facts.secured) return MailStep::kSecurity;
  if (facts.lastReply == 0) return MailStep::kGreeting;
  if (!facts.implicitTls && !facts.secured) return MailStep::kSecurity;
  return MailStep::kLogin;
}

MailStepResult CertificateFailure(const TransferFacts& facts) {
  // OpenSSL's wording, then Schannel's: libcurl's own check with a CA file,
  // and Windows' when it checks the name itself.
  if (Mentions(facts.errorText, "host name") || Mentions(facts.errorText, "subject name") ||
      Mentions(facts.errorText, "does not match") ||
      Mentions(facts.errorText, "failed to match connection hostname") ||
      Mentions(facts.errorText, "SEC_E_WRONG_PRINCIPAL") ||
      Mentions(facts.errorText, "CERT_E_CN_NO_MATCH")) {
    return {MailStep::kSecurity, MailVerdict::kCertificateNameMismatch, {}};
  }
  if (facts.certificateCheck == kCertificateHasExpired ||
      facts.certificateCheck == kCertificateNotYetValid) {
    return {MailStep::kSecurity, MailVerdict::kCertificateExpired, {}};
  }
  return {MailStep::kSecurity, MailVerdict::kCertificateUntrusted, {}};
}

}  // namespace

MailStepResult FailedStep(const TransferFacts& facts, const ServerTalk& talk) {
  // A mail server may turn a connection away in its greeting (554 and the
  // like): that step failed, for the reason it gives; what libcurl did next
  // is beside the point.
  if (facts.code != CURLE_ABORTED_BY_CALLBACK && talk.greetingCode() != 0 &&
      talk.greetingCode() / 100 != 2) {
    return {MailStep::kGreeting, MailVerdict::kGreetingRefused, talk.greetingLine()};
  }
  switch (facts.code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return {MailStep::kResolve, MailVerdict::kNameNotFound, {}};
    case CURLE_COULDNT_CONNECT:
      return {MailStep::kConnect, MailVerdict::kPortClosed, {}};
    case CURLE_OPERATION_TIMEDOUT: {
      const MailStep step = StepReached(facts);
      // A filtered port swallows the connection attempt without a word.
      return {step, step == MailStep::kConnect ? MailVerdict::kPortClosed : MailVerdict::kNoAnswer,
              {}};
    }
    case CURLE_ABORTED_BY_CALLBACK:
      return {StepReached(facts), MailVerdict::kCancelled, {}};
    case CURLE_PEER_FAILED_VERIFICATION:
      return CertificateFailure(facts);
    case CURLE_SSL_CONNECT_ERROR:
      return {MailStep::kSecurity, MailVerdict::kTlsFailed, {}};
    case CURLE_SSL_CACERT_BADFILE:
      return {MailStep::kSecurity, MailVerdict::kFailed, {}};
    case CURLE_USE_SSL_FAILED:
      return {MailStep::kSecurity, MailVerdict::kNoEncryption, {}};
    case CURLE_LOGIN_DENIED: {
      // libcurl says so as well when no log-in method of the server's takes
      // a password; then it sent no AUTH, and the password was never tried.
      const bool unusable = talk.ehloAnswered() ? !talk.loginTried()
                                                : Mentions(facts.errorText, "mechanism");
      if (!unusable) return {MailStep::kLogin, MailVerdict::kLoginRefused, talk.lastReplyLine()};
      std::string offered;
      for (const auto& method : talk.loginMethods()) offered += (offered.empty() ? "" : " ") + method;
      return {MailStep::kLogin, MailVerdict::kLoginMethodUnusable,
              offered.empty() ? std::string() : "offered: " + offered};
    }
    case CURLE_WEIRD_SERVER_REPLY:
      return {facts.lastReply == 0 ? MailStep::kGreeting : StepReached(facts),
              MailVerdict::kNotMailServer, {}};
    case CURLE_RECV_ERROR:
      // libcurl gives up on a reply that grows without end.
      if (Mentions(facts.errorText, "Too large")) {
        return {StepReached(facts), MailVerdict::kNotMailServer, {}};
      }
      [[fallthrough]];
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
      // A TLS-from-the-start port spoken to in plain text (or the other way
      // round) is dropped like this.
      return {StepReached(facts), MailVerdict::kClosedByServer, {}};
    default:
      return {StepReached(facts), MailVerdict::kFailed, {}};
  }
}

}  // namespace quelmo
