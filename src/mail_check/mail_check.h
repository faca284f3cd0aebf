#pragma once
// The e-mail pre-flight: does what the camera will do with the SMTP settings
// (find the server, connect, secure the line, log in, name the sender and the
// recipient) and stops before any message (a dry run), or, when asked, sends
// one short test message to the settings' own recipient. Each step ends with
// a verdict; the first failing step ends the check.
//
// The password never leaves this check except towards the server: no report,
// progress call or detail text carries it.

#include <functional>
#include <string>
#include <vector>

#include "base/result.h"
#include "work/cancel_token.h"

namespace quelmo {

// The account as the camera uses it, in UTF-8.
struct MailAccount {
  std::string server;
  int port = 0;
  std::string senderEmail;
  std::string userName;  // what the camera logs in with
  std::string password;
  std::string recipientEmail;
};

enum class MailSecurity {
  kByPort,       // TLS from the start on port 465, else STARTTLS
  kImplicitTls,  // TLS from the start, whatever the port
  kStartTls,     // STARTTLS, whatever the port
};

struct MailCheckOptions {
  bool send = false;        // send the test message; otherwise a dry run
  bool allowPlain = false;  // go on when the server offers no encryption
  int timeoutMs = 30000;    // for the whole check
  std::string caFile;       // trusted CAs instead of the system's (UTF-8 path of a PEM
                            // file); empty: the system's
  MailSecurity security = MailSecurity::kByPort;
  int language = 2;         // of the test message's subject and text
  std::string modelName;    // named in the test message
  std::string attachmentPath;  // a small picture for the test message (UTF-8 path)
};

enum class MailStep {
  kSettings,
  kResolve,    // find the server's address
  kConnect,    // reach its port
  kGreeting,   // the server answers as a mail server
  kSecurity,   // TLS from the start or STARTTLS, and the certificate
  kLogin,
  kSender,     // MAIL FROM
  kRecipient,  // RCPT TO
  kMessage,    // the test message, or "ready to send" after a dry run
};

enum class MailVerdict {
  kPassed,
  kReadyToSend,   // dry run: everything up to the message would pass
  kSent,
  kPlainAllowed,  // no encryption, and the user agreed to go on
  kBadSettings,
  kBadCaFile,     // the file of trusted certificates is no such file
  kNameNotFound,
  kPortClosed,
  kNoAnswer,      // nothing, or nothing usable, before the time ran out
  kNotMailServer, // answers that are no SMTP
  kGreetingRefused,  // a mail server that turns the connection away at once
  kClosedByServer,
  kTlsFailed,
  kCertificateUntrusted,
  kCertificateNameMismatch,
  kCertificateExpired,
  kNoEncryption,  // the password would cross the network in the clear
  kNoLoginOffered,
  kLoginMethodUnusable,  // only log-in methods that take no password (XOAUTH2, ...)
  kPasswordNotChecked,   // the server asked for no password: nothing failed, nothing proven
  kLoginRefused,
  kSenderRefused,
  kRecipientRefused,
  kMessageRefused,
  kCancelled,
  kUnavailable,   // this build, or this system (no libcurl), has no mail check
  kFailed,        // anything else; the detail says what
};

struct MailStepResult {
  MailStep step = MailStep::kSettings;
  MailVerdict verdict = MailVerdict::kPassed;
  // What the server or the system said: no secret the check sent, in any
  // encoding; control characters escaped. May be empty.
  std::string detail;

  bool passed() const {
    return verdict == MailVerdict::kPassed || verdict == MailVerdict::kReadyToSend ||
           verdict == MailVerdict::kSent || verdict == MailVerdict::kPlainAllowed;
  }
  // The check went on past this step, but it proved less than a pass.
  bool caveat() const { return verdict == MailVerdict::kPasswordNotChecked; }
};

struct MailCheckReport {
  std::vector<MailStepResult> steps;  // in order; the last one decides, or a caveat before it

  // A plain pass: every step passed, none with a caveat.
  bool passed() const { return !steps.empty() && steps.back().passed() && Caveat() == nullptr; }
  // The last step's verdict when it failed; else the first caveat's, if any
  // (a run that reached its end without checking the password is no pass).
  MailVerdict outcome() const {
    if (steps.empty()) return MailVerdict::kFailed;
    if (const MailStepResult* caveat = Caveat(); caveat != nullptr && steps.back().passed()) {
      return caveat->verdict;
    }
    return steps.back().verdict;
  }

 private:
  const MailStepResult* Caveat() const {
    for (const auto& step : steps) {
      if (step.caveat()) return &step;
    }
    return nullptr;
  }
};

using MailProgress = std::function<void(const MailStepResult& step)>;

// True when this build can run the check (it has its mail library).
bool MailCheckAvailable();

// Runs the check; `progress` (may be empty) hears each step as it ends, on
// the calling thread. Never throws; Cancel on `cancel` ends it at once with
// kCancelled.
MailCheckReport RunMailCheck(const MailAccount& account, const MailCheckOptions& options,
                             CancelToken& cancel, const MailProgress& progress);

}  // namespace quelmo
