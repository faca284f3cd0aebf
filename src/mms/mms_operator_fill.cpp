#include "mms/mms_operator_fill.h"

#include "mms/mms_fields.h"
#include "operators/mms_proxy.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

using M = MmsSettings;

constexpr const StoredTextField<M>& kUrl = TextFieldOf<M>(kMmsFields, &M::url);
constexpr const StoredTextField<M>& kApn = TextFieldOf<M>(kMmsFields, &M::apn);
constexpr const StoredTextField<M>& kGateway = TextFieldOf<M>(kMmsFields, &M::gateway);
constexpr const StoredTextField<M>& kPort = TextFieldOf<M>(kMmsFields, &M::port);
constexpr const StoredTextField<M>& kAccount = TextFieldOf<M>(kMmsFields, &M::account);
constexpr const StoredTextField<M>& kPassword = TextFieldOf<M>(kMmsFields, &M::password);

// The database's value for a field, held to the field's limit.
std::string Take(OperatorFillChecker& checker, const StoredTextField<M>& field,
                 const std::string& value) {
  return checker.Take(field.key, value, static_cast<int>(field.byteLimit));
}

}  // namespace

MmsOperatorFill FillMmsFromOperator(const OperatorProvider& provider) {
  MmsOperatorFill fill;
  OperatorFillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "mms");
  if (point == nullptr) {
    checker.Name(kApn.key, "{field}: {operator} has no MMS access point in the database.",
                 {{"operator", EscapeForTerminal(provider.name)}});
    return fill;
  }
  if (point->mmsc.empty()) {
    checker.Name(kUrl.key, "{field}: the database gives no MMS centre for {operator}.",
                 {{"operator", EscapeForTerminal(provider.name)}});
  } else {
    fill.values.url = Take(checker, kUrl, point->mmsc);
  }
  fill.values.apn = Take(checker, kApn, point->apn);
  if (point->mmsProxy.empty()) {
    checker.Name(kGateway.key,
                 "{field}: the database gives no MMS proxy for {operator}, and the camera needs "
                 "a gateway.",
                 {{"operator", EscapeForTerminal(provider.name)}});
  } else {
    const MmsProxy proxy = ParseMmsProxy(point->mmsProxy);
    const std::string quoted = QuotedForTerminal(point->mmsProxy);
    constexpr std::string_view kNoPort =
        "{field}: the MMS proxy {proxy} is no host with a port from 1 to 65535.";
    if (proxy.host.empty()) {
      checker.Name(kGateway.key,
                   proxy.port == 0 ? kNoPort : "{field}: the MMS proxy {proxy} names no host.",
                   {{"proxy", quoted}});
    } else {
      fill.values.gateway = Take(checker, kGateway, proxy.host);
    }
    if (proxy.port == 0) {
      checker.Name(kPort.key, kNoPort, {{"proxy", quoted}});
    } else {
      fill.values.port = Take(checker, kPort, std::to_string(proxy.port));
    }
  }
  fill.values.account = Take(checker, kAccount, point->username);
  fill.values.password = Take(checker, kPassword, point->password);
  return fill;
}

const std::string& FilledValue(const MmsOperatorValues& values, OperatorValue value) {
  switch (value) {
    case OperatorValue::kUrl:
      return values.url;
    case OperatorValue::kGateway:
      return values.gateway;
    case OperatorValue::kPort:
      return values.port;
    case OperatorValue::kAccount:
      return values.account;
    case OperatorValue::kPassword:
      return values.password;
    default:
      return values.apn;
  }
}

}  // namespace quelmo
