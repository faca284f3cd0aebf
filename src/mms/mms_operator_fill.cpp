#include "mms/mms_operator_fill.h"

#include "mms/mms_settings.h"
#include "operators/mms_proxy.h"
#include "text/terminal_text.h"

namespace quelmo {

MmsOperatorFill FillMmsFromOperator(const OperatorProvider& provider) {
  MmsOperatorFill fill;
  OperatorFillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "mms");
  if (point == nullptr) {
    checker.Name("apn", "{field}: {operator} has no MMS access point in the database.",
                 {{"operator", EscapeForTerminal(provider.name)}});
    return fill;
  }
  if (point->mmsc.empty()) {
    checker.Name("url", "{field}: the database gives no MMS centre for {operator}.",
                 {{"operator", EscapeForTerminal(provider.name)}});
  } else {
    fill.values.url = checker.Take("url", point->mmsc, MmsLimits::kUrl);
  }
  fill.values.apn = checker.Take("apn", point->apn, MmsLimits::kApn);
  if (point->mmsProxy.empty()) {
    checker.Name("gateway",
                 "{field}: the database gives no MMS proxy for {operator}, and the camera needs "
                 "a gateway.",
                 {{"operator", EscapeForTerminal(provider.name)}});
  } else {
    const MmsProxy proxy = ParseMmsProxy(point->mmsProxy);
    const std::string quoted = QuotedForTerminal(point->mmsProxy);
    constexpr std::string_view kNoPort =
        "{field}: the MMS proxy {proxy} is no host with a port from 1 to 65535.";
    if (proxy.host.empty()) {
      checker.Name("gateway",
                   proxy.port == 0 ? kNoPort : "{field}: the MMS proxy {proxy} names no host.",
                   {{"proxy", quoted}});
    } else {
      fill.values.gateway = checker.Take("gateway", proxy.host, MmsLimits::kGateway);
    }
    if (proxy.port == 0) {
      checker.Name("port", kNoPort, {{"proxy", quoted}});
    } else {
      fill.values.port = checker.Take("port", std::to_string(proxy.port), MmsLimits::kPort);
    }
  }
  fill.values.account = checker.Take("account", point->username, MmsLimits::kAccount);
  fill.values.password = checker.Take("password", point->password, MmsLimits::kPassword);
  return fill;
}

}  // namespace quelmo
