#include "cli/presets_command.h"

#include <nlohmann/json.hpp>

#include "app/app_state.h"
#include "cli/exit_codes.h"
#include "cli/gprs_presets_json.h"
#include "mms/mms_presets.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli presets: ";

nlohmann::ordered_json MmsCountryJson(int country) {
  nlohmann::ordered_json operators = nlohmann::ordered_json::array();
  for (const OperatorPreset& row : MmsOperatorsOf(country)) {
    const PresetParameters& p = row.parameters;
    operators.push_back({{"operator", row.operatorIndex},
                         {"name", row.name},
                         {"url", p.url},
                         {"apn", p.apn},
                         {"gateway", p.gateway},
                         {"port", p.port},
                         {"account", p.account},
                         {"password", p.password}});
  }
  return {{"country", country},
          {"name", MmsCountryName(country, kEnglish)},
          {"operators", std::move(operators)}};
}

void PrintMmsCountry(int country, std::ostream& out) {
  out << country << " " << MmsCountryName(country, kEnglish) << "\n";
  for (const OperatorPreset& row : MmsOperatorsOf(country)) {
    const PresetParameters& p = row.parameters;
    out << "  " << row.operatorIndex << " " << row.name;
    if (!MmsPresetHasData(p)) {
      out << ": no built-in parameters (write it in Customer mode)\n";
      continue;
    }
    out << "\n";
    const std::pair<const char*, std::string_view> fields[] = {
        {"url", p.url},   {"apn", p.apn},         {"gateway", p.gateway},
        {"port", p.port}, {"account", p.account}, {"password", p.password}};
    for (const auto& [key, value] : fields) {
      out << "      " << key << ":";
      if (!value.empty()) out << " " << value;
      out << "\n";
    }
  }
}

}  // namespace

int ListMmsPresets(std::optional<int> country, bool json, std::ostream& out, std::ostream& err) {
  if (country && (*country < 0 || *country >= kMmsCountryCount)) {
    err << kPrefix << "--country: " << *country << " is not a country of the MMS presets (0.."
        << kMmsCountryCount - 1 << ")\n";
    return kExitBadInput;
  }
  const int first = country.value_or(0);
  const int last = country.value_or(kMmsCountryCount - 1);
  if (json) {
    nlohmann::ordered_json countries = nlohmann::ordered_json::array();
    for (int c = first; c <= last; ++c) countries.push_back(MmsCountryJson(c));
    out << countries.dump(2) << "\n";
    return kExitOk;
  }
  for (int c = first; c <= last; ++c) PrintMmsCountry(c, out);
  return kExitOk;
}

int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err) {
  if (options.kind == "mms") return ListMmsPresets(options.country, options.json, out, err);
  if (options.kind == "gprs") return PrintGprsPresets(options.country, options.json, out, err);
  err << kPrefix << "no presets of kind \"" << options.kind << "\"\n";
  return kExitBadInput;
}

}  // namespace quelmo
