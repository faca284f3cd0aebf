#include "operators/mms_proxy.h"

#include "text/terminal_text.h"

namespace quelmo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// 1..65535 written in decimal digits, or 0 when it is not.
int PortOf(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return 0;
  int port = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    port = port * 10 + (c - '0');
  }
  return port <= 65535 ? port : 0;
}

bool IsHost(std::string_view host) {
  for (char c : host) {
    if (IsBlank(c) || c == ':') return false;
  }
  return true;
}

}  // namespace

MmsProxy ParseMmsProxy(std::string_view proxy) {
  const std::string_view trimmed = Trim(proxy);
  const auto colon = trimmed.rfind(':');
  const std::string_view host = trimmed.substr(0, colon);
  const int port =
      colon == std::string_view::npos ? kMmsProxyDefaultPort : PortOf(trimmed.substr(colon + 1));
  const std::string quoted = QuotedForTerminal(proxy);
  if (port == 0 || !IsHost(host)) {
    return {{}, 0, "the MMS proxy " + quoted + " is no host with a port from 1 to 65535"};
  }
  if (host.empty()) return {{}, port, "the MMS proxy " + quoted + " names no host"};
  return {std::string(host), port, {}};
}

}  // namespace quelmo
