#include "cli/gprs_presets_json.h"

#include <string>

#include "cli/exit_codes.h"
#include "smtp/gprs_presets.h"

namespace quelmo {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void PrintCountryText(int country, std::ostream& out) {
  out << country << " " << GprsEnglishCountryName(country) << "\n";
  int index = 0;
  for (const OperatorPreset& row : GprsOperators(country)) {
    const PresetParameters& p = row.parameters;
    out << "  " << index++ << " " << row.name << ": ";
    if (p.apn.empty()) {
      out << "no built-in access point (use apnMode Customer)\n";
    } else {
      out << "apn " << Quoted(p.apn) << ", account " << Quoted(p.account) << ", password "
          << Quoted(p.password) << "\n";
    }
  }
}

}  // namespace

Json GprsPresetsJson(std::optional<int> country) {
  Json countries = Json::array();
  for (int index = 0; index < kGprsCountryCount; ++index) {
    if (country && *country != index) continue;
    Json operators = Json::array();
    int position = 0;
    for (const OperatorPreset& row : GprsOperators(index)) {
      operators.push_back({{"operator", position++},
                           {"name", row.name},
                           {"apn", row.parameters.apn},
                           {"account", row.parameters.account},
                           {"password", row.parameters.password}});
    }
    countries.push_back(
        {{"country", index}, {"name", GprsEnglishCountryName(index)}, {"operators", operators}});
  }
  return countries;
}

int PrintGprsPresets(std::optional<int> country, bool json, std::ostream& out, std::ostream& err) {
  if (country && (*country < 0 || *country >= kGprsCountryCount)) {
    err << "quelmo-cli presets: --country " << *country << " is outside 0.."
        << kGprsCountryCount - 1 << "\n";
    return kExitBadInput;
  }
  if (json) {
    out << GprsPresetsJson(country).dump(2) << "\n";
    return kExitOk;
  }
  for (int index = 0; index < kGprsCountryCount; ++index) {
    if (!country || *country == index) PrintCountryText(index, out);
  }
  return kExitOk;
}

}  // namespace quelmo
