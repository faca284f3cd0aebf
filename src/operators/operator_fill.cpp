#include "operators/operator_fill.h"

#include <string_view>

#include "mms/mms_settings.h"
#include "operators/mms_proxy.h"
#include "smtp/gprs_settings.h"
#include "text/gbk.h"
#include "text/language_code.h"
#include "text/terminal_text.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// A finding whose detail comes from the converter, in English.
constexpr std::string_view kDetailText = "{field}: {detail}";

class FillChecker {
 public:
  explicit FillChecker(std::vector<OperatorFinding>& findings) : findings_(findings) {}

  // `value` when the file can hold it, else empty with a finding.
  std::string Take(std::string_view key, const std::string& value, int byte_limit) {
    const std::size_t limit = static_cast<std::size_t>(byte_limit);
    Result<std::string> gbk = Utf8ToGbk(value);
    if (!gbk.ok()) {
      Name(key, kDetailText, {{"detail", gbk.message()}});
    } else if (gbk->size() > limit) {
      Name(key,
           "{field}: the text takes {bytes} bytes in GBK, at most {limit} are allowed (a Chinese "
           "character takes 2).",
           {{"bytes", std::to_string(gbk->size())}, {"limit", std::to_string(limit)}});
    } else {
      return value;
    }
    return {};
  }

  // `text` names the value's key as {field}.
  void Name(std::string_view key, std::string_view text,
            std::vector<std::pair<std::string, std::string>> values) {
    OperatorFinding finding{std::string(key), {}, text, std::move(values)};
    finding.message = FindingText(finding, kEnglish, key);
    findings_.push_back(std::move(finding));
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
    checker.Name("apn", "{field}: {operator} has no internet access point in the database.",
                 {{"operator", EscapeForTerminal(provider.name)}});
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

std::string FindingText(const OperatorFinding& finding, int language,
                        std::string_view field_name) {
  std::vector<Placeholder> values = {{"field", field_name}};
  for (const auto& [name, value] : finding.values) values.push_back({name, value});
  // The converter's detail is English in every language.
  const std::string_view text =
      finding.text == kDetailText ? finding.text : Translate(language, finding.text);
  return FillIn(text, values);
}

std::string FindingLines(const std::vector<OperatorFinding>& findings) {
  return FindingLines(findings, kEnglish, [](std::string_view key) { return std::string(key); });
}

std::string FindingLines(const std::vector<OperatorFinding>& findings, int language,
                         const std::function<std::string(std::string_view key)>& field_name) {
  std::string lines;
  for (const OperatorFinding& finding : findings) {
    if (!lines.empty()) lines += '\n';
    lines += FindingText(finding, language, field_name(finding.key));
  }
  return lines;
}

}  // namespace quelmo
