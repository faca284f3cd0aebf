#include "cli/operators_command.h"

#include <optional>
#include <string>

#include "cli/exit_codes.h"
#include "cli/terminal_json.h"
#include "mms/mms_fields.h"
#include "mms/mms_operator_fill.h"
#include "operators/network_2g.h"
#include "operators/operator_search.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli operators: ";

// The MMS centre's values under the keys write --operator fills.
using M = MmsSettings;
constexpr std::string_view kUrlKey = KeyOf<M>(kMmsFields, &M::url);
constexpr std::string_view kGatewayKey = KeyOf<M>(kMmsFields, &M::gateway);
constexpr std::string_view kPortKey = KeyOf<M>(kMmsFields, &M::port);

Json AccessPointJson(const OperatorAccessPoint* accessPoint) {
  if (accessPoint == nullptr) return nullptr;
  return {{"apn", accessPoint->apn},
          {"username", accessPoint->username},
          {"password", accessPoint->password}};
}

// UTF-8 characters: each byte that is no continuation byte starts one.
std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

// The gateway and port as `write --operator` takes them, or why it cannot.
struct MmsGateway {
  std::optional<std::string> gateway;
  std::optional<int> port;
  std::string problem;  // with a proxy the file gives, why gateway or port is absent
};

MmsGateway GatewayOf(const OperatorProvider& provider, const OperatorAccessPoint& accessPoint) {
  const MmsOperatorFill fill = FillMmsFromOperator(provider);
  MmsGateway gateway;
  if (!fill.values.gateway.empty()) gateway.gateway = fill.values.gateway;
  if (!fill.values.port.empty()) gateway.port = std::stoi(fill.values.port);
  if (accessPoint.mmsProxy.empty()) return gateway;
  for (const OperatorFinding& finding : fill.findings) {
    if ((finding.key == kGatewayKey || finding.key == kPortKey) && gateway.problem.empty()) {
      gateway.problem = finding.message.substr(finding.key.size() + 2);
      if (gateway.problem.ends_with('.')) gateway.problem.pop_back();
    }
  }
  return gateway;
}

Json MmsJson(const OperatorProvider& provider) {
  const OperatorAccessPoint* accessPoint = FirstAccessPoint(provider, "mms");
  if (accessPoint == nullptr) return nullptr;
  Json mms = AccessPointJson(accessPoint);
  mms[std::string(kUrlKey)] = accessPoint->mmsc;
  const MmsGateway gateway = GatewayOf(provider, *accessPoint);
  mms[std::string(kGatewayKey)] = gateway.gateway ? Json(*gateway.gateway) : Json(nullptr);
  mms[std::string(kPortKey)] = gateway.port ? Json(*gateway.port) : Json(nullptr);
  if (!gateway.problem.empty()) mms["proxyProblem"] = gateway.problem;
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

// One provider a line: every text from the database escaped, so that no
// name can add a line or steer the terminal. The 2G status comes from the
// program's own table.
void PrintProvider(const std::string& country, const OperatorProvider& provider,
                   const std::string& network2g, std::ostream& out) {
  out << EscapeForTerminal(country) << "  " << EscapeForTerminal(provider.name) << ":";
  if (const auto* internet = FirstAccessPoint(provider, "internet")) {
    out << " internet " << (internet->apn.empty() ? "(no APN)" : EscapeForTerminal(internet->apn));
  } else {
    out << " no internet access point";
  }
  if (const auto* mms = FirstAccessPoint(provider, "mms")) {
    out << "; MMS " << (mms->mmsc.empty() ? "(no URL)" : EscapeForTerminal(mms->mmsc));
    const MmsGateway gateway = GatewayOf(provider, *mms);
    if (gateway.gateway && gateway.port) {
      out << " via " << EscapeForTerminal(*gateway.gateway) << " port " << *gateway.port;
    } else if (!gateway.problem.empty()) {
      out << " (no gateway: " << gateway.problem << ")";
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
    err << kPrefix << "the operator database cannot be read: "
        << EscapeForTerminal(database.message()) << "\n";
    return kExitBadInput;
  }
  const std::string country = options.country.value_or(std::string());
  if (!country.empty() && FindOperatorCountry(**database, country) == nullptr) {
    err << kPrefix << "--country: " << QuotedForTerminal(country)
        << " is no country of the operator database (its two-letter codes: gb, de, us, ...)\n";
    return kExitBadInput;
  }
  if (CharacterCount(options.search) > kOperatorSearchCharacters) {
    err << kPrefix << "--search: at most " << kOperatorSearchCharacters
        << " characters, as names are far shorter\n";
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
                        {"mms", MmsJson(provider)}});
    } else {
      PrintProvider(match.country->code, provider, Network2gText(network2gOf(provider)), out);
    }
  }
  if (options.json) {
    out << JsonForTerminal(listed) << "\n";
  } else if (matches.empty()) {
    err << kPrefix << "no provider matches\n";
  }
  return kExitOk;
}

}  // namespace quelmo
