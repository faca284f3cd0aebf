// The check over libcurl. libcurl's own connect phase does the greeting,
// EHLO, STARTTLS, the certificate and the login (CURLOPT_CONNECT_ONLY); the
// check then says MAIL FROM and RCPT TO itself and goes no further, so that a
// dry run cannot send anything. The test message, when asked for, goes in a
// second, ordinary transfer to the recipient alone.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <mutex>
#include <string>

#include <curl/curl.h>

#include "mail_check/base64.h"
#include "mail_check/curl_library.h"
#include "mail_check/curl_verdict.h"
#include "mail_check/mail_check.h"
#include "mail_check/server_talk.h"
#include "mail_check/smtp_line.h"
#include "mail_check/step_log.h"
#include "mail_check/test_message.h"
#include "platform/file_system.h"

namespace quelmo {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kImplicitTlsPort = 465;
constexpr int kPollSliceMs = 1000;
constexpr auto kQuitGrace = std::chrono::seconds(2);

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool UsesImplicitTls(const MailAccount& account, MailSecurity security) {
  return security == MailSecurity::kImplicitTls ||
         (security == MailSecurity::kByPort && account.port == kImplicitTlsPort);
}

// Characters of host names and IP addresses; anything else would change the
// meaning of the URL the server is named in.
bool IsHostCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '-' || c == '_' || c == ':';
}

// Addresses go into SMTP commands as they are: no line breaks, blanks or
// angle brackets that could end one command and start another.
bool IsPlainAddress(const std::string& address) {
  return address.find('@') != std::string::npos &&
         std::all_of(address.begin(), address.end(), [](char c) {
           return static_cast<unsigned char>(c) > 0x20 && c != 0x7f && c != '<' && c != '>';
         });
}

// The first fault of the account, or an empty text.
// Fixed texts: the windows look them up in the catalogues
// (MailVerdictText).
std::string AccountFault(const MailAccount& account) {
  if (account.server.empty()) return "no SMTP server";
  if (!std::all_of(account.server.begin(), account.server.end(), IsHostCharacter)) {
    return "the SMTP server name holds characters that no server name has";
  }
  if (account.port < 1 || account.port > 65535) return "no SMTP port";
  if (account.senderEmail.empty()) return "no sender e-mail address";
  if (!IsPlainAddress(account.senderEmail)) return "the sender e-mail address is no address";
  if (account.password.empty()) return "no sender e-mail password";
  if (account.recipientEmail.empty()) return "no recipient e-mail address";
  if (!IsPlainAddress(account.recipientEmail)) return "the recipient e-mail address is no address";
  return {};
}

// Every form the password crosses the line in: as typed (a server may echo a
// log-in it decoded), and the base64 that the log-ins LOGIN and PLAIN
// ("\0user\0password") send, with its padding and without, so that a copy
// cut there is caught too.
std::vector<std::string> SecretForms(const MailAccount& account) {
  const auto unpadded = [](std::string base64) {
    while (!base64.empty() && base64.back() == '=') base64.pop_back();
    return base64;
  };
  std::string plain(1, '\0');
  plain += account.userName;
  plain += '\0';
  plain += account.password;
  return {account.password, Base64(account.password), unpadded(Base64(account.password)),
          Base64(plain), unpadded(Base64(plain))};
}

// Far above the system's whole list of trusted authorities (about 200 KB).
constexpr std::uintmax_t kCaFileLimit = 4u << 20;

// Why the file of trusted certificates cannot be used, or an empty text: it
// must be a regular file (read without waiting on a pipe or a device) that
// holds certificates in PEM form.
std::string CaFileFault(const std::string& ca_file) {
  if (ca_file.empty()) return {};
  auto bytes = SystemFileSystem().ReadRegularFile(PathFromUtf8(ca_file), kCaFileLimit);
  if (!bytes.ok()) return bytes.message();
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (text.find("-----BEGIN CERTIFICATE-----") == std::string_view::npos) {
    return ca_file + ": holds no certificate in PEM form (-----BEGIN CERTIFICATE-----)";
  }
  return {};
}

std::string ServerUrl(const MailAccount& account, bool implicit_tls) {
  const bool ipv6 = account.server.find(':') != std::string::npos;
  const std::string host = ipv6 ? "[" + account.server + "]" : account.server;
  return std::string(implicit_tls ? "smtps://" : "smtp://") + host + ":" +
         std::to_string(account.port) + "/quelmo";
}

long long MillisecondsLeft(Clock::time_point deadline) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
}

// One libcurl transfer on its own multi handle, so that Cancel can wake any
// wait in it.
class Transfer {
 public:
  explicit Transfer(CancelToken& cancel)
      : cancel_(cancel), easy_(curl_easy_init()), multi_(curl_multi_init()) {
    if (multi_ != nullptr) {
      cancel_.SetWaker([multi = multi_] { curl_multi_wakeup(multi); });
    }
    error_[0] = '\0';
  }
  ~Transfer() {
    cancel_.SetWaker({});
    if (added_) curl_multi_remove_handle(multi_, easy_);
    if (mime_ != nullptr) curl_mime_free(mime_);
    curl_slist_free_all(recipients_);
    curl_slist_free_all(headers_);
    if (easy_ != nullptr) curl_easy_cleanup(easy_);
    if (multi_ != nullptr) curl_multi_cleanup(multi_);
  }
  Transfer(const Transfer&) = delete;
  Transfer& operator=(const Transfer&) = delete;

  bool ready() const { return easy_ != nullptr && multi_ != nullptr; }
  CURL* easy() const { return easy_; }
  const ServerTalk& talk() const { return talk_; }
  CURLM* multi() const { return multi_; }
  const char* errorText() const { return error_; }

  void Configure(const MailAccount& account, const MailCheckOptions& options, bool implicit_tls,
                 bool plain, Clock::time_point deadline) {
    const long left = static_cast<long>(std::max<long long>(1, MillisecondsLeft(deadline)));
    curl_easy_setopt(easy_, CURLOPT_URL, ServerUrl(account, implicit_tls).c_str());
    curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, error_);
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, left);
    curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, left);
    curl_easy_setopt(easy_, CURLOPT_USE_SSL, plain ? CURLUSESSL_NONE : CURLUSESSL_ALL);
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!options.caFile.empty()) curl_easy_setopt(easy_, CURLOPT_CAINFO, options.caFile.c_str());
    curl_easy_setopt(easy_, CURLOPT_USERNAME, account.userName.c_str());
    curl_easy_setopt(easy_, CURLOPT_PASSWORD, account.password.c_str());
    // The debug channel is where libcurl shows the conversation; the
    // callback keeps what the verdicts need, and nothing is printed.
    curl_easy_setopt(easy_, CURLOPT_DEBUGFUNCTION, &Transfer::OnDebug);
    curl_easy_setopt(easy_, CURLOPT_DEBUGDATA, &talk_);
    curl_easy_setopt(easy_, CURLOPT_VERBOSE, 1L);
  }

  void ConnectOnly() { curl_easy_setopt(easy_, CURLOPT_CONNECT_ONLY, 1L); }

  void Message(const MailAccount& account, const MailCheckOptions& options) {
    const std::string from = "<" + account.senderEmail + ">";
    curl_easy_setopt(easy_, CURLOPT_MAIL_FROM, from.c_str());
    recipients_ = curl_slist_append(nullptr, ("<" + account.recipientEmail + ">").c_str());
    curl_easy_setopt(easy_, CURLOPT_MAIL_RCPT, recipients_);

    const TestMessageTexts texts = TestMessageFor(options.language, options.modelName);
    headers_ = curl_slist_append(headers_, ("From: " + from).c_str());
    headers_ = curl_slist_append(headers_, ("To: <" + account.recipientEmail + ">").c_str());
    headers_ = curl_slist_append(headers_, ("Subject: " + EncodedWords(texts.subject)).c_str());
    headers_ = curl_slist_append(headers_, ("Date: " + DateNow()).c_str());
    curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);

    mime_ = curl_mime_init(easy_);
    curl_mimepart* text = curl_mime_addpart(mime_);
    curl_mime_data(text, texts.body.data(), texts.body.size());
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "base64");
    const std::string_view picture = TestPicturePng();
    curl_mimepart* attachment = curl_mime_addpart(mime_);
    curl_mime_data(attachment, picture.data(), picture.size());
    curl_mime_type(attachment, "image/png");
    curl_mime_filename(attachment, "quelmo.png");
    curl_mime_encoder(attachment, "base64");
    curl_easy_setopt(easy_, CURLOPT_MIMEPOST, mime_);
  }

  // Runs the transfer to its end, Cancel or its timeout; `watch` sees it
  // after each step of work.
  template <typename Watch>
  CURLcode Run(const Watch& watch) {
    if (curl_multi_add_handle(multi_, easy_) != CURLM_OK) return CURLE_FAILED_INIT;
    added_ = true;
    for (int running = 1;;) {
      if (curl_multi_perform(multi_, &running) != CURLM_OK) return CURLE_FAILED_INIT;
      watch(*this);
      if (running == 0) break;
      if (cancel_.cancelled()) return CURLE_ABORTED_BY_CALLBACK;
      curl_multi_poll(multi_, nullptr, 0, kPollSliceMs, nullptr);
    }
    CURLcode result = CURLE_OK;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
      if (message->msg == CURLMSG_DONE) result = message->data.result;
    }
    return result;
  }

 private:
  // A header text as it is when plain ASCII, else in RFC 2047 words.
  static std::string EncodedWords(const std::string& text) {
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
      return text;
    }
    return "=?UTF-8?B?" + Base64(text) + "?=";
  }

  static int OnDebug(CURL*, curl_infotype type, char* data, std::size_t size, void* talk) {
    const std::string_view bytes(data, size);
    if (type == CURLINFO_HEADER_IN) static_cast<ServerTalk*>(talk)->Heard(bytes);
    if (type == CURLINFO_HEADER_OUT) static_cast<ServerTalk*>(talk)->Said(bytes);
    return 0;
  }

  static std::string DateNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S +0000", &utc);
    return text;
  }

  CancelToken& cancel_;
  CURL* easy_;
  CURLM* multi_;
  char error_[CURL_ERROR_SIZE];
  bool added_ = false;
  curl_mime* mime_ = nullptr;
  curl_slist* recipients_ = nullptr;
  curl_slist* headers_ = nullptr;
  ServerTalk talk_;
};

TransferFacts FactsOf(const Transfer& transfer, CURLcode code, bool implicit_tls) {
  TransferFacts facts;
  facts.code = code;
  facts.implicitTls = implicit_tls;
  facts.errorText = transfer.errorText();
  curl_off_t lookup = 0, connect = 0, secured = 0;
  curl_easy_getinfo(transfer.easy(), CURLINFO_NAMELOOKUP_TIME_T, &lookup);
  curl_easy_getinfo(transfer.easy(), CURLINFO_CONNECT_TIME_T, &connect);
  curl_easy_getinfo(transfer.easy(), CURLINFO_APPCONNECT_TIME_T, &secured);
  curl_easy_getinfo(transfer.easy(), CURLINFO_RESPONSE_CODE, &facts.lastReply);
  curl_easy_getinfo(transfer.easy(), CURLINFO_SSL_VERIFYRESULT, &facts.certificateCheck);
  // Behind TLS from the start libcurl times the connection only once the
  // handshake is done; the peer's address is known as soon as it answered.
  const char* peer = nullptr;
  curl_easy_getinfo(transfer.easy(), CURLINFO_PRIMARY_IP, &peer);
  facts.connected = connect > 0 || facts.lastReply > 0 || (peer != nullptr && *peer != '\0');
  facts.resolved = lookup > 0 || facts.connected;
  facts.secured = secured > 0;
  return facts;
}

// Logs the steps a running connect phase has visibly got through. The
// greeting has passed once the server greeted with a 2xx reply: a 554 there
// is the greeting failing, not the next step.
void LogProgress(StepLog& log, const TransferFacts& facts, const ServerTalk& talk) {
  if (facts.resolved) log.PassBefore(MailStep::kConnect);
  if (!facts.connected) return;
  const bool greeted = talk.greetingCode() / 100 == 2;
  if (facts.implicitTls) {
    log.PassBefore(MailStep::kSecurity);
    if (facts.secured) log.PassBefore(MailStep::kGreeting);
    if (facts.secured && greeted) log.PassBefore(MailStep::kLogin);
  } else {
    log.PassBefore(MailStep::kGreeting);
    if (greeted) log.PassBefore(MailStep::kSecurity);
    if (facts.secured && greeted) log.PassBefore(MailStep::kLogin);
  }
}

MailStepResult Failure(const Transfer& transfer, CURLcode code, bool implicit_tls,
                       bool cancelled) {
  const TransferFacts facts = FactsOf(transfer, cancelled ? CURLE_ABORTED_BY_CALLBACK : code,
                                      implicit_tls);
  MailStepResult failed = FailedStep(facts, transfer.talk());
  if (failed.verdict == MailVerdict::kCancelled || !failed.detail.empty()) return failed;
  failed.detail = facts.errorText;
  if (failed.detail.empty() && failed.verdict == MailVerdict::kFailed) {
    failed.detail = curl_easy_strerror(code);
  }
  return failed;
}

MailVerdict LineVerdict(LineOutcome outcome) {
  switch (outcome) {
    case LineOutcome::kCancelled: return MailVerdict::kCancelled;
    case LineOutcome::kTimedOut: return MailVerdict::kNoAnswer;
    case LineOutcome::kClosed: return MailVerdict::kClosedByServer;
    case LineOutcome::kNotSmtp: return MailVerdict::kNotMailServer;
    case LineOutcome::kOk: break;
  }
  return MailVerdict::kFailed;
}

// Says `command` and checks its reply; logs `step` and false on failure.
bool Exchange(SmtpLine& line, StepLog& log, MailStep step, const std::string& command,
              MailVerdict refused) {
  SmtpReply reply;
  LineOutcome outcome = line.Send(command);
  if (outcome == LineOutcome::kOk) outcome = line.Read(reply);
  if (outcome != LineOutcome::kOk) {
    log.Add({step, LineVerdict(outcome), {}});
    return false;
  }
  if (reply.code == 250 || reply.code == 251) {
    log.Add({step, MailVerdict::kPassed, {}});
    return true;
  }
  // Without a login method libcurl could use it logs in not at all; the
  // server then says so here.
  const bool wants_login = reply.code == 530 || reply.code == 535;
  log.Add({step, wants_login ? MailVerdict::kNoLoginOffered : refused, reply.firstLine});
  return false;
}

// Ends the session politely; its outcome is no step of the check.
void SayGoodbye(SmtpLine& line) {
  SmtpReply reply;
  if (line.Send("RSET") == LineOutcome::kOk) (void)line.Read(reply);
  if (line.Send("QUIT") == LineOutcome::kOk) (void)line.Read(reply);
}

}  // namespace

bool MailCheckAvailable() { return CurlReady().ok(); }

MailCheckReport RunMailCheck(const MailAccount& account, const MailCheckOptions& options,
                             CancelToken& cancel, const MailProgress& progress) {
  if (const Status ready = CurlReady(); !ready.ok()) {
    // As a build without libcurl says it, with what is missing.
    MailCheckReport report;
    report.steps.push_back({MailStep::kSettings, MailVerdict::kUnavailable, ready.message()});
    if (progress) progress(report.steps.back());
    return report;
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(1, options.timeoutMs));
  const bool implicit_tls = UsesImplicitTls(account, options.security);
  StepLog log(progress, SecretForms(account), implicit_tls);
  if (const std::string fault = AccountFault(account); !fault.empty()) {
    log.Add({MailStep::kSettings, MailVerdict::kBadSettings, fault});
    return log.Take();
  }
  // Before any connection: libcurl would open a pipe or a device and wait on
  // it past every timeout, and take garbage for no certificates at all.
  if (const std::string fault = CaFileFault(options.caFile); !fault.empty()) {
    log.Add({MailStep::kSettings, MailVerdict::kBadCaFile, fault});
    return log.Take();
  }
  log.PassBefore(MailStep::kResolve);
  InitialiseCurlOnce();

  auto watch = [&log, implicit_tls](const Transfer& transfer) {
    LogProgress(log, FactsOf(transfer, CURLE_OK, implicit_tls), transfer.talk());
  };
  bool plain = false;
  for (;;) {
    Transfer session(cancel);
    if (!session.ready()) {
      log.Add({MailStep::kResolve, MailVerdict::kFailed, "libcurl could not start"});
      return log.Take();
    }
    session.Configure(account, options, implicit_tls, plain, deadline);
    session.ConnectOnly();
    const CURLcode code = session.Run(watch);
    if (code == CURLE_USE_SSL_FAILED && options.allowPlain && !plain) {
      // Agreed beforehand: a second connection without encryption.
      plain = true;
      log.AllowPlain();
      continue;
    }
    if (code != CURLE_OK || cancel.cancelled()) {
      log.Add(Failure(session, code, implicit_tls, cancel.cancelled()));
      return log.Take();
    }
    if (!session.talk().loginTried()) {
      // No AUTH went out: the server asked for no password (or offered no
      // way to give one), and the camera's was never checked.
      log.Add({MailStep::kLogin, MailVerdict::kPasswordNotChecked, {}});
    }
    log.PassBefore(MailStep::kSender);

    SmtpLine line(session.easy(), session.multi(), cancel, deadline);
    if (!Exchange(line, log, MailStep::kSender, "MAIL FROM:<" + account.senderEmail + ">",
                  MailVerdict::kSenderRefused) ||
        !Exchange(line, log, MailStep::kRecipient, "RCPT TO:<" + account.recipientEmail + ">",
                  MailVerdict::kRecipientRefused)) {
      return log.Take();
    }
    SmtpLine goodbye(session.easy(), session.multi(), cancel,
                     std::min(deadline, Clock::now() + kQuitGrace));
    SayGoodbye(goodbye);
    break;
  }
  if (!options.send) {
    log.Add({MailStep::kMessage, MailVerdict::kReadyToSend, {}});
    return log.Take();
  }

  Transfer message(cancel);
  if (!message.ready()) {
    log.Add({MailStep::kMessage, MailVerdict::kFailed, "libcurl could not start"});
    return log.Take();
  }
  message.Configure(account, options, implicit_tls, plain, deadline);
  message.Message(account, options);
  const CURLcode code = message.Run([](const Transfer&) {});
  if (code == CURLE_OK && !cancel.cancelled()) {
    log.Add({MailStep::kMessage, MailVerdict::kSent, {}});
    return log.Take();
  }
  MailStepResult failed = Failure(message, code, implicit_tls, cancel.cancelled());
  if (failed.verdict == MailVerdict::kFailed || failed.verdict == MailVerdict::kClosedByServer) {
    failed.verdict = MailVerdict::kMessageRefused;
  }
  failed.step = MailStep::kMessage;
  log.Add(failed);
  return log.Take();
}

}  // namespace quelmo
