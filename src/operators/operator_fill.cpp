#include "operators/operator_fill.h"

#include <string_view>

#include "mms/mms_settings.h"
#include "operators/mms_proxy.h"
#include "smtp/gprs_settings.h"
#include "text/gbk.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

class FillChecker {
 public:
  explicit FillChecker(std::vector<OperatorFinding>& findings) : findings_(findings) {}

  // `value` when the file can hold it, else empty with a finding.
  std::string Take(std::string_view key, const std::string& value, int byte_limit) {
    Result<std::string> stored = EncodeField(key, value, static_cast<std::size_t>(byte_limit));
    if (stored.ok()) return value;
    Name(key, stored.message());
    return {};
  }

  void Name(std::string_view key, std::string message) {
    findings_.push_back({std::string(key), std::move(message)});
  }

 private:
  std::vector<OperatorFinding>& findings_;
};

}  // namespace

GprsOperatorFill FillGprsFromOperator(const OperatorProvider& provider) {
  GprsOperatorFill fill;
  FillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "internet");
  if (point == nullptr) {
    checker.Name("apn", "apn: " + EscapeForTerminal(provider.name) +
                            " has no internet access point in the database.");
    return fill;
  }
  fill.values.apn = checker.Take("apn", point->apn, GprsLimits::kApn);
  fill.values.account = checker.Take("gprsAccount", point->username, GprsLimits::kGprsAccount);
  fill.values.password = checker.Take("gprsPassword", point->password, GprsLimits::kGprsPassword);
  return fill;
}

MmsOperatorFill FillMmsFromOperator(const OperatorProvider& provider) {
  MmsOperatorFill fill;
  FillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "mms");
  if (point == nullptr) {
    checker.Name("apn", "apn: " + EscapeForTerminal(provider.name) +
                            " has no MMS access point in the database.");
    return fill;
  }
  if (point->mmsc.empty()) {
    checker.Name("url", "url: the database gives no MMS centre for " +
                            EscapeForTerminal(provider.name) + ".");
  } else {
    fill.values.url = checker.Take("url", point->mmsc, MmsLimits::kUrl);
  }
  fill.values.apn = checker.Take("apn", point->apn, MmsLimits::kApn);
  if (point->mmsProxy.empty()) {
    checker.Name("gateway",
                 "gateway: the database gives no MMS proxy for " + EscapeForTerminal(provider.name) +
                     ", and the camera needs a gateway.");
  } else {
    const MmsProxy proxy = ParseMmsProxy(point->mmsProxy);
    if (proxy.host.empty()) {
      checker.Name("gateway", "gateway: " + proxy.problem + ".");
    } else {
      fill.values.gateway = checker.Take("gateway", proxy.host, MmsLimits::kGateway);
    }
    if (proxy.port == 0) {
      checker.Name("port", "port: " + proxy.problem + ".");
    } else {
      fill.values.port = checker.Take("port", std::to_string(proxy.port), MmsLimits::kPort);
    }
  }
  fill.values.account = checker.Take("account", point->username, MmsLimits::kAccount);
  fill.values.password = checker.Take("password", point->password, MmsLimits::kPassword);
  return fill;
}

std::string FindingLines(const std::vector<OperatorFinding>& findings) {
  std::string lines;
  for (const OperatorFinding& finding : findings) {
    if (!lines.empty()) lines += '\n';
    lines += finding.message;
  }
  return lines;
}

}  // namespace quelmo
