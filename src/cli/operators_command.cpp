#include "cli/operators_command.h"

#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "operators/mms_proxy.h"
#include "operators/operator_search.h"

namespace quelmo {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kPrefix = "quelmo-cli operators: ";

Json AccessPointJson(const OperatorAccessPoint* accessPoint) {
  if (accessPoint == nullptr) return nullptr;
  return {{"apn", accessPoint->apn},
          {"username", accessPoint->username},
          {"password", accessPoint->password}};
}

Json MmsJson(const OperatorAccessPoint* accessPoint) {
  if (accessPoint == nullptr) return nullptr;
  Json mms = AccessPointJson(accessPoint);
  mms["url"] = accessPoint->mmsc;
  if (accessPoint->mmsProxy.empty()) {
    mms["gateway"] = nullptr;
    mms["port"] = nullptr;
  } else {
    const MmsProxy proxy = SplitMmsProxy(accessPoint->mmsProxy);
    mms["gateway"] = proxy.host;
    mms["port"] = proxy.port;
  }
  return mms;
}

void PrintProvider(const std::string& country, const OperatorProvider& provider, std::ostream& out) {
  out << country << "  " << provider.name << ":";
  if (const auto* internet = FirstAccessPoint(provider, "internet")) {
    out << " internet " << (internet->apn.empty() ? "(no APN)" : internet->apn);
  } else {
    out << " no internet access point";
  }
  if (const auto* mms = FirstAccessPoint(provider, "mms")) {
    out << "; MMS " << (mms->mmsc.empty() ? "(no URL)" : mms->mmsc);
    if (!mms->mmsProxy.empty()) {
      const MmsProxy proxy = SplitMmsProxy(mms->mmsProxy);
      out << " via " << proxy.host << " port " << proxy.port;
    } else {
      out << " (no gateway)";
    }
  }
  out << "\n";
}

}  // namespace

int RunOperators(const OperatorsOptions& options, const Result<const OperatorDatabase*>& database,
                 std::ostream& out, std::ostream& err) {
  if (!database.ok()) {
    err << kPrefix << "the operator database cannot be read: " << database.message() << "\n";
    return kExitBadInput;
  }
  const std::string country = options.country.value_or(std::string());
  if (!country.empty() && FindOperatorCountry(**database, country) == nullptr) {
    err << kPrefix << "--country: \"" << country
        << "\" is no country of the operator database (its two-letter codes: gb, de, us, ...)\n";
    return kExitBadInput;
  }
  const std::vector<OperatorMatch> matches = SearchOperators(**database, country, options.search);
  Json listed = Json::array();
  for (const OperatorMatch& match : matches) {
    const OperatorProvider& provider = *match.provider;
    if (options.json) {
      listed.push_back({{"country", match.country->code},
                        {"name", provider.name},
                        {"internet", AccessPointJson(FirstAccessPoint(provider, "internet"))},
                        {"mms", MmsJson(FirstAccessPoint(provider, "mms"))}});
    } else {
      PrintProvider(match.country->code, provider, out);
    }
  }
  if (options.json) {
    out << listed.dump(2) << "\n";
  } else if (matches.empty()) {
    err << kPrefix << "no provider matches\n";
  }
  return kExitOk;
}

}  // namespace quelmo
