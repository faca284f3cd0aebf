#include "cli/operators_command.h"

#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "operators/mms_proxy.h"

namespace quelmo {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kPrefix = "quelmo-cli operators: ";

// ASCII letters only: other scripts are compared as written.
std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

bool Contains(std::string_view haystack, const std::string& foldedNeedle) {
  return Folded(haystack).find(foldedNeedle) != std::string::npos;
}

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

bool OperatorMatchesSearch(const OperatorProvider& provider, const std::string& text) {
  if (text.empty()) return true;
  const std::string needle = Folded(text);
  if (Contains(provider.name, needle)) return true;
  for (const auto& name : provider.otherNames) {
    if (Contains(name, needle)) return true;
  }
  for (const auto& id : provider.networkIds) {
    if ((id.mcc + id.mnc).find(needle) != std::string::npos ||
        (id.mcc + "-" + id.mnc).find(needle) != std::string::npos) {
      return true;
    }
  }
  return false;
}

int RunOperators(const OperatorsOptions& options, const Result<const OperatorDatabase*>& database,
                 std::ostream& out, std::ostream& err) {
  if (!database.ok()) {
    err << kPrefix << "the operator database cannot be read: " << database.message() << "\n";
    return kExitBadInput;
  }
  const std::string country = options.country ? Folded(*options.country) : std::string();
  bool countryFound = country.empty();
  std::size_t count = 0;
  Json listed = Json::array();
  for (const auto& each : (*database)->countries) {
    if (!country.empty() && each.code != country) continue;
    countryFound = true;
    for (const auto& provider : each.providers) {
      if (!OperatorMatchesSearch(provider, options.search)) continue;
      ++count;
      if (options.json) {
        listed.push_back({{"country", each.code},
                          {"name", provider.name},
                          {"internet", AccessPointJson(FirstAccessPoint(provider, "internet"))},
                          {"mms", MmsJson(FirstAccessPoint(provider, "mms"))}});
      } else {
        PrintProvider(each.code, provider, out);
      }
    }
  }
  if (!countryFound) {
    err << kPrefix << "--country: \"" << *options.country
        << "\" is no country of the operator database (its two-letter codes: gb, de, us, ...)\n";
    return kExitBadInput;
  }
  if (options.json) {
    out << listed.dump(2) << "\n";
  } else if (count == 0) {
    err << kPrefix << "no provider matches\n";
  }
  return kExitOk;
}

}  // namespace quelmo
