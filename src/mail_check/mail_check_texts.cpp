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
    {MailVerdict::kBadCaFile, "bad-ca-file",
     "The file of trusted certificates cannot be used: give a readable file of certificates "
      "in PEM form."},
    {MailVerdict::kNoAnswer, "no-answer",
     "The server did not answer in time. Check the server and port, or try again later."},
    {MailVerdict::kNotMailServer, "not-mail-server",
     "What answers on this port is no mail server that works as expected. Check the server "
      "and port."},
    {MailVerdict::kGreetingRefused, "greeting-refused",
     "The server turned the connection away at once, for the reason it gives. Some providers "
      "refuse connections from home networks or from addresses on a block list: use the server "
      "and port your provider gives for devices, or ask the provider."},
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
    {MailVerdict::kLoginMethodUnusable, "login-method-unusable",
     "The server offers only log-in methods that take no password (such as XOAUTH2), and the "
      "camera logs in with a password, which was therefore not tried. Ask the provider for a "
      "server or port that takes a password, or for an app password."},
    {MailVerdict::kPasswordNotChecked, "password-not-checked",
     "The server asked for no password, so the camera's password was not checked. This server "
      "takes mail from this network without a log-in; from the camera's network it may not."},
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

// Where a verdict's advice depends on the step it ends: a silent port or one
// that hangs up says something else at the greeting than at the log-in.
struct StepVerdictRow {
  MailStep step;
  MailVerdict verdict;
  std::string_view text;
};

constexpr StepVerdictRow kStepVerdicts[] = {
    {MailStep::kGreeting, MailVerdict::kNoAnswer,
     "The server did not answer in time. Check the server and port (a port that expects "
      "encryption from the start, such as 465, says nothing to a plain connection), or try "
      "again later."},
    {MailStep::kSecurity, MailVerdict::kNoAnswer,
     "The server did not answer the encryption (TLS) in time. Check the port: port 465 expects "
      "encryption from the start, 25 and 587 expect it later."},
    {MailStep::kLogin, MailVerdict::kNoAnswer,
     "The server did not answer the log-in in time. Some servers wait long before they refuse "
      "a wrong password: check the sender address and password, or try again later."},
    {MailStep::kLogin, MailVerdict::kClosedByServer,
     "The server closed the connection at the log-in: some servers do so for a wrong password "
      "or after too many tries. Check the sender address and password, or try again later."},
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
  std::string_view english = VerdictRowOf(result.verdict).text;
  for (const auto& row : kStepVerdicts) {
    if (row.step == result.step && row.verdict == result.verdict) english = row.text;
  }
  std::string text(Translate(language, english));
  // What is wrong with the settings is the check's own text; any other
  // detail is the server's or the system's, and stays as they wrote it.
  const std::string detail = result.verdict == MailVerdict::kBadSettings && !result.detail.empty()
                                 ? std::string(Translate(language, result.detail))
                                 : result.detail;
  if (!detail.empty()) text += " (" + detail + ")";
  return text;
}

const char* MailVerdictKey(MailVerdict verdict) { return VerdictRowOf(verdict).key; }
const char* MailStepKey(MailStep step) { return StepRowOf(step).key; }

}  // namespace quelmo
