#include "mail_check/mail_check_texts.h"

#include <iterator>

namespace quelmo {
namespace {

struct Texts {
  const char* english;
  const char* chinese;
};

const char* Pick(const Texts& texts, int language) {
  return language == 1 ? texts.chinese : texts.english;
}

struct StepRow {
  MailStep step;
  const char* key;
  Texts name;
};

constexpr StepRow kSteps[] = {
    {MailStep::kSettings, "settings", {"Settings", "设置"}},
    {MailStep::kResolve, "resolve", {"Find the server", "查找服务器"}},
    {MailStep::kConnect, "connect", {"Connect to the port", "连接端口"}},
    {MailStep::kGreeting, "greeting", {"Server greeting", "服务器应答"}},
    {MailStep::kSecurity, "security", {"Encryption (TLS)", "加密 (TLS)"}},
    {MailStep::kLogin, "login", {"Log in", "登录"}},
    {MailStep::kSender, "sender", {"Sender", "发件人"}},
    {MailStep::kRecipient, "recipient", {"Recipient", "收件人"}},
    {MailStep::kMessage, "message", {"Message", "邮件"}},
};

struct VerdictRow {
  MailVerdict verdict;
  const char* key;
  Texts text;
};

constexpr VerdictRow kVerdicts[] = {
    {MailVerdict::kPassed, "passed", {"OK.", "通过。"}},
    {MailVerdict::kReadyToSend, "ready-to-send",
     {"Ready to send: the server would take a message from the sender to the recipient. "
      "Nothing was sent.",
      "可以发送：服务器会接受从发件人到收件人的邮件。未发送任何邮件。"}},
    {MailVerdict::kSent, "sent",
     {"The test message was sent to the recipient.", "测试邮件已发送给收件人。"}},
    {MailVerdict::kPlainAllowed, "plain-allowed",
     {"The server offers no encryption; going on in the clear as you agreed.",
      "服务器不提供加密；已按您的同意以明文继续。"}},
    {MailVerdict::kBadSettings, "bad-settings",
     {"The settings are incomplete: fill in the SMTP server, port, sender, password and "
      "recipient.",
      "设置不完整：请填写 SMTP 服务器、端口、发件人、密码和收件人。"}},
    {MailVerdict::kNameNotFound, "name-not-found",
     {"The server name was not found. Check its spelling, and that this PC is online.",
      "找不到服务器名称。请检查拼写，以及本电脑是否已联网。"}},
    {MailVerdict::kPortClosed, "port-closed",
     {"The port is closed or filtered: many networks block port 25; try 465 or 587 if your "
      "provider offers them.",
      "端口已关闭或被过滤：许多网络会屏蔽 25 端口；如果您的邮件服务商提供，请尝试 465 或 587。"}},
    {MailVerdict::kBadCaFile, "bad-ca-file",
     {"The file of trusted certificates cannot be used: give a readable file of certificates "
      "in PEM form.",
      "无法使用受信任证书文件：请提供可读取的 PEM 格式证书文件。"}},
    {MailVerdict::kNoAnswer, "no-answer",
     {"The server did not answer in time. Check the server and port, or try again later.",
      "服务器未在规定时间内应答。请检查服务器和端口，或稍后重试。"}},
    {MailVerdict::kNotMailServer, "not-mail-server",
     {"What answers on this port is no mail server that works as expected. Check the server "
      "and port.",
      "此端口上应答的不是正常工作的邮件服务器。请检查服务器和端口。"}},
    {MailVerdict::kGreetingRefused, "greeting-refused",
     {"The server turned the connection away at once, for the reason it gives. Some providers "
      "refuse connections from home networks or from addresses on a block list: use the server "
      "and port your provider gives for devices, or ask the provider.",
      "服务器一开始就拒绝了连接，原因见服务器的说明。有些邮件服务商拒绝来自家庭网络或黑名单地址的连接："
      "请使用服务商为设备提供的服务器和端口，或询问服务商。"}},
    {MailVerdict::kClosedByServer, "closed-by-server",
     {"The server closed the connection. Check the port: port 465 expects encryption from the "
      "start, 25 and 587 expect it later.",
      "服务器关闭了连接。请检查端口：465 端口从一开始就加密，25 和 587 端口稍后加密。"}},
    {MailVerdict::kTlsFailed, "tls-failed",
     {"The encrypted connection (TLS) failed. Check the port: port 465 expects encryption from "
      "the start, 25 and 587 expect it later.",
      "加密连接 (TLS) 失败。请检查端口：465 端口从一开始就加密，25 和 587 端口稍后加密。"}},
    {MailVerdict::kCertificateUntrusted, "certificate-untrusted",
     {"The server's certificate is not from a trusted authority (it may be self-signed). Check "
      "the server name; the camera may refuse such a server.",
      "服务器证书不是由受信任的机构颁发的（可能是自签名证书）。请检查服务器名称；相机可能会拒绝此服务器。"}},
    {MailVerdict::kCertificateNameMismatch, "certificate-name-mismatch",
     {"The server's certificate is for another name. Use the server name your provider gives.",
      "服务器证书属于其他名称。请使用邮件服务商提供的服务器名称。"}},
    {MailVerdict::kCertificateExpired, "certificate-expired",
     {"The server's certificate has expired or is not valid yet. Check this PC's clock, or ask "
      "the provider.",
      "服务器证书已过期或尚未生效。请检查本电脑的时钟，或询问邮件服务商。"}},
    {MailVerdict::kNoEncryption, "no-encryption",
     {"The server offers no encryption: the password would cross the network in the clear. "
      "Use a port with encryption (465 or 587) if your provider offers one.",
      "服务器不提供加密：密码将以明文在网络上传输。如果邮件服务商提供，请使用加密端口 (465 或 587)。"}},
    {MailVerdict::kNoLoginOffered, "no-login-offered",
     {"The server wants a login but offers no way to log in here. Check the port.",
      "服务器要求登录，但不提供登录方式。请检查端口。"}},
    {MailVerdict::kLoginMethodUnusable, "login-method-unusable",
     {"The server offers only log-in methods that take no password (such as XOAUTH2), and the "
      "camera logs in with a password, which was therefore not tried. Ask the provider for a "
      "server or port that takes a password, or for an app password.",
      "服务器只提供不使用密码的登录方式（例如 XOAUTH2），而相机使用密码登录，因此未尝试密码。"
      "请向邮件服务商询问接受密码的服务器或端口，或申请应用专用密码。"}},
    {MailVerdict::kPasswordNotChecked, "password-not-checked",
     {"The server asked for no password, so the camera's password was not checked. This server "
      "takes mail from this network without a log-in; from the camera's network it may not.",
      "服务器没有要求密码，因此未检查相机的密码。此服务器接受来自本网络的邮件而无需登录；"
      "来自相机网络的邮件则未必。"}},
    {MailVerdict::kLoginRefused, "login-refused",
     {"The password was refused: some providers need an app password for devices. Check the "
      "sender address and password.",
      "密码被拒绝：有些邮件服务商要求为设备使用应用专用密码。请检查发件人地址和密码。"}},
    {MailVerdict::kSenderRefused, "sender-refused",
     {"The server refused the sender address. Use the address of this mailbox.",
      "服务器拒绝了发件人地址。请使用此邮箱的地址。"}},
    {MailVerdict::kRecipientRefused, "recipient-refused",
     {"The server refused the recipient address. Check its spelling.",
      "服务器拒绝了收件人地址。请检查拼写。"}},
    {MailVerdict::kMessageRefused, "message-refused",
     {"The server refused the test message.", "服务器拒绝了测试邮件。"}},
    {MailVerdict::kCancelled, "cancelled", {"Cancelled.", "已取消。"}},
    {MailVerdict::kUnavailable, "unavailable",
     {"The e-mail test is not available in this build.", "此版本不提供电子邮件测试。"}},
    {MailVerdict::kFailed, "failed", {"The test failed.", "测试失败。"}},
};

// Where a verdict's advice depends on the step it ends: a silent port or one
// that hangs up says something else at the greeting than at the log-in.
struct StepVerdictRow {
  MailStep step;
  MailVerdict verdict;
  Texts text;
};

constexpr StepVerdictRow kStepVerdicts[] = {
    {MailStep::kGreeting, MailVerdict::kNoAnswer,
     {"The server did not answer in time. Check the server and port (a port that expects "
      "encryption from the start, such as 465, says nothing to a plain connection), or try "
      "again later.",
      "服务器未在规定时间内应答。请检查服务器和端口（从一开始就加密的端口，例如 465，"
      "不会应答未加密的连接），或稍后重试。"}},
    {MailStep::kSecurity, MailVerdict::kNoAnswer,
     {"The server did not answer the encryption (TLS) in time. Check the port: port 465 expects "
      "encryption from the start, 25 and 587 expect it later.",
      "服务器未在规定时间内应答加密 (TLS)。请检查端口：465 端口从一开始就加密，25 和 587 端口稍后加密。"}},
    {MailStep::kLogin, MailVerdict::kNoAnswer,
     {"The server did not answer the log-in in time. Some servers wait long before they refuse "
      "a wrong password: check the sender address and password, or try again later.",
      "服务器未在规定时间内应答登录。有些服务器在拒绝错误密码前会等待很久：请检查发件人地址和密码，"
      "或稍后重试。"}},
    {MailStep::kLogin, MailVerdict::kClosedByServer,
     {"The server closed the connection at the log-in: some servers do so for a wrong password "
      "or after too many tries. Check the sender address and password, or try again later.",
      "服务器在登录时关闭了连接：有些服务器在密码错误或尝试次数过多时会这样做。"
      "请检查发件人地址和密码，或稍后重试。"}},
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
  return Pick(StepRowOf(step).name, language);
}

std::string MailVerdictText(const MailStepResult& result, int language) {
  const Texts* texts = &VerdictRowOf(result.verdict).text;
  for (const auto& row : kStepVerdicts) {
    if (row.step == result.step && row.verdict == result.verdict) texts = &row.text;
  }
  std::string text = Pick(*texts, language);
  if (!result.detail.empty()) text += " (" + result.detail + ")";
  return text;
}

const char* MailVerdictKey(MailVerdict verdict) { return VerdictRowOf(verdict).key; }
const char* MailStepKey(MailStep step) { return StepRowOf(step).key; }

}  // namespace quelmo
