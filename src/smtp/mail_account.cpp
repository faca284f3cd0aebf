#include "smtp/mail_account.h"

#include <charconv>

#include "text/gbk.h"

namespace quelmo {
namespace {

Result<std::string> FieldText(const std::string& gbk, const char* field) {
  auto utf8 = GbkToUtf8(gbk);
  if (!utf8.ok()) {
    return Error{ErrorCode::kInvalidArgument, std::string("the ") + field +
                                                  " holds bytes that are no text"};
  }
  return utf8;
}

// 0 for no port number.
int PortOf(std::string_view text) {
  if (text.empty()) return 0;
  int port = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, port);
  if (failure != std::errc() || stop != end || port < 1 || port > 65535) return 0;
  return port;
}

Result<int> PortNumber(const std::string& text) {
  const int port = PortOf(text);
  if (port == 0) {
    return Error{ErrorCode::kInvalidArgument,
                 "the SMTP port \"" + text + "\" is no port number (1 to 65535)"};
  }
  return port;
}

}  // namespace

bool IsPortNumber(std::string_view text) { return PortOf(text) != 0; }

Result<MailAccount> MailAccountFromSettings(const GprsSettings& settings) {
  MailAccount account;
  const struct {
    const std::string& gbk;
    std::string& utf8;
    const char* field;
  } texts[] = {
      {settings.smtpServer, account.server, "SMTP server"},
      {settings.senderEmail, account.senderEmail, "sender e-mail address"},
      {settings.senderPassword, account.password, "sender e-mail password"},
      {settings.recipientEmail, account.recipientEmail, "recipient e-mail address"},
  };
  for (const auto& text : texts) {
    auto utf8 = FieldText(text.gbk, text.field);
    if (!utf8.ok()) return utf8.error();
    text.utf8 = std::move(utf8).value();
  }
  auto port = PortNumber(settings.smtpPort);
  if (!port.ok()) return port.error();
  account.port = *port;
  account.userName = std::string(SenderUserName(account.senderEmail));
  return account;
}

}  // namespace quelmo
