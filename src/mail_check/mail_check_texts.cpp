#include "mail_check/mail_check_texts.h"

#include <iterator>
#include <string_view>

#include "text/translate.h"

namespace quelmo {
namespace {

struct StepRow {
  MailStep step;
  const char* key;
  std::string_view name;
};

constexpr StepRow kSteps[] = {
    {MailStep::kSettings, "settings", "Settings"},
    {MailStep::kResolve, "resolve", "Find the server"},
    {MailStep::kConnect, "connect", "Connect to the port"},
    {MailStep::kGreeting, "greeting", "Server greeting"},
    {MailStep::kSecurity, "security", "Encryption (TLS)"},
    {MailStep::kLogin, "login", "Log in"},
    {MailStep::kSender, "sender", "Sender"},
    {MailStep::kRecipient, "recipient", "Recipient"},
    {MailStep::kMessage, "message", "Message"},
};

struct VerdictRow {
  MailVerdict verdict;
  const char* key;
  std::string_view text;
};

constexpr VerdictRow kVerdicts[] = {
    {MailVerdict::kPassed, "passed", "OK."},
    {MailVerdict::kReadyToSend, "ready-to-send",
     "Ready to send: the server would take a message from the sender to the recipient. "
      "Nothing was sent."},
    {MailVerdict::kSent, "sent",
     "The test message was sent to the recipient."},
    {MailVerdict::kPlainAllowed, "plain-allowed",
     "The server offers no encryption; going on in the clear as you agreed."},
    {MailVerdict::kBadSettings, "bad-settings",
     "The settings are incomplete: fill in the SMTP server, port, sender, password and "
      "recipient."},
    {MailVerdict::kNameNotFound, "name-not-found",
     "The server name was not found. Check its spelling, and that this PC is online."},
    {MailVerdict::kPortClosed, "port-closed",
     "The port is closed or filtered: many networks block port 25; try 465 or 587 if your "
      "provider offers them."},
    {MailVerdict::kNoAnswer, "no-answer",
     "The server did not answer in time. Check the server and port (a port that expects "
      "encryption from the start, such as 465, says nothing to a plain connection), or try "
      "again later."},
    {MailVerdict::kNotMailServer, "not-mail-server",
     "What answers on this port is no mail server that works as expected. Check the server "
      "and port."},
    {MailVerdict::kClosedByServer, "closed-by-server",
     "The server closed the connection. Check the port: port 465 expects encryption from the "
      "start, 25 and 587 expect it later."},
    {MailVerdict::kTlsFailed, "tls-failed",
     "The encrypted connection (TLS) failed. Check the port: port 465 expects encryption from "
      "the start, 25 and 587 expect it later."},
    {MailVerdict::kCertificateUntrusted, "certificate-untrusted",
     "The server's certificate is not from a trusted authority (it may be self-signed). Check "
      "the server name; the camera may refuse such a server."},
    {MailVerdict::kCertificateNameMismatch, "certificate-name-mismatch",
     "The server's certificate is for another name. Use the server name your provider gives."},
    {MailVerdict::kCertificateExpired, "certificate-expired",
     "The server's certificate has expired or is not valid yet. Check this PC's clock, or ask "
      "the provider."},
    {MailVerdict::kNoEncryption, "no-encryption",
     "The server offers no encryption: the password would cross the network in the clear. "
      "Use a port with encryption (465 or 587) if your provider offers one."},
    {MailVerdict::kNoLoginOffered, "no-login-offered",
     "The server wants a login but offers no way to log in here. Check the port."},
    {MailVerdict::kLoginRefused, "login-refused",
     "The password was refused: some providers need an app password for devices. Check the "
      "sender address and password."},
    {MailVerdict::kSenderRefused, "sender-refused",
     "The server refused the sender address. Use the address of this mailbox."},
    {MailVerdict::kRecipientRefused, "recipient-refused",
     "The server refused the recipient address. Check its spelling."},
    {MailVerdict::kMessageRefused, "message-refused",
     "The server refused the test message."},
    {MailVerdict::kCancelled, "cancelled", "Cancelled."},
    {MailVerdict::kUnavailable, "unavailable",
     "The e-mail test is not available in this build."},
    {MailVerdict::kFailed, "failed", "The test failed."},
};

const StepRow& StepRowOf(MailStep step) {
  for (const auto& row : kSteps) {
    if (row.step == step) return row;
  }
  return kSteps[0];
}

const VerdictRow& VerdictRowOf(MailVerdict verdict) {
  for (const auto& row : kVerdicts) {
    if (row.verdict == verdict) return row;
  }
  return kVerdicts[std::size(kVerdicts) - 1];
}

}  // namespace

std::string MailStepName(MailStep step, int language) {
  return std::string(Translate(language, StepRowOf(step).name));
}

std::string MailVerdictText(const MailStepResult& result, int language) {
  std::string text(Translate(language, VerdictRowOf(result.verdict).text));
  if (!result.detail.empty()) text += " (" + result.detail + ")";
  return text;
}

const char* MailVerdictKey(MailVerdict verdict) { return VerdictRowOf(verdict).key; }
const char* MailStepKey(MailStep step) { return StepRowOf(step).key; }

}  // namespace quelmo
