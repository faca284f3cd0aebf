#include "operators/mms_proxy.h"

namespace quelmo {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
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

}  // namespace

MmsProxy SplitMmsProxy(std::string_view proxy) {
  proxy = Trim(proxy);
  const auto colon = proxy.rfind(':');
  if (colon != std::string_view::npos) {
    if (const int port = PortOf(proxy.substr(colon + 1)); port != 0) {
      return {std::string(Trim(proxy.substr(0, colon))), port};
    }
  }
  return {std::string(proxy), kMmsProxyDefaultPort};
}

}  // namespace quelmo
