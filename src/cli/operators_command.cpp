#include "cli/operators_command.h"

#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "operators/mms_proxy.h"
#include "operators/network_2g.h"
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

// The provider's 2G status by its network ids; all null but the status when
// no line of the table names them.
Json Network2gJson(const Network2gVerdict& verdict) {
  const Network2gRow* row = verdict.row;
  return {{"status", Network2gStatusName(verdict.status)},
          {"date", row != nullptr && !row->date.empty() ? Json(row->date) : Json(nullptr)},
          {"source", row != nullptr ? Json(row->source) : Json(nullptr)}};
}

std::string Network2gText(const Network2gVerdict& verdict) {
  const std::string date = verdict.row != nullptr ? verdict.row->date : std::string();
  switch (verdict.status) {
    case Network2gStatus::kOn:
      return "2G on";
    case Network2gStatus::kClosing:
      return "2G switch-off announced for " + date;
    case Network2gStatus::kOff:
      return date.empty() ? "no 2G (GSM) network" : "2G off since " + date;
    case Network2gStatus::kUnknown:
      break;
  }
  return "2G unknown";
}

void PrintProvider(const std::string& country, const OperatorProvider& provider,
                   const std::string& network2g, std::ostream& out) {
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
  out << "; " << network2g << "\n";
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
  const Result<const Network2gTable*> network2g = BuiltInNetwork2gTable();
  if (!network2g.ok()) err << kPrefix << "every 2G status is unknown: " << network2g.message() << "\n";
  const auto network2gOf = [&](const OperatorProvider& provider) {
    return network2g.ok() ? Network2gOf(**network2g, provider) : Network2gVerdict{};
  };
  Json listed = Json::array();
  for (const OperatorMatch& match : matches) {
    const OperatorProvider& provider = *match.provider;
    if (options.json) {
      listed.push_back({{"country", match.country->code},
                        {"name", provider.name},
                        {"networks", NetworkIdsOf(provider)},
                        {"network2g", Network2gJson(network2gOf(provider))},
                        {"internet", AccessPointJson(FirstAccessPoint(provider, "internet"))},
                        {"mms", MmsJson(FirstAccessPoint(provider, "mms"))}});
    } else {
      PrintProvider(match.country->code, provider, Network2gText(network2gOf(provider)), out);
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
