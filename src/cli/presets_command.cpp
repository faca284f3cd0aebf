#include "cli/presets_command.h"

#include "cli/exit_codes.h"
#include "kind/field_table.h"
#include "kind/settings_json.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli presets: ";

Json CountryJson(const PresetListing& presets, int country) {
  Json operators = Json::array();
  for (const ListedOperator& row : presets.operatorsOf(country)) {
    Json entry = {{kOperatorKey, row.index}, {"name", row.name}};
    for (const PresetValue& value : row.values) entry[std::string(value.key)] = value.value;
    operators.push_back(std::move(entry));
  }
  return {{kCountryKey, country},
          {"name", presets.countryName(country)},
          {"operators", std::move(operators)}};
}

void PrintCountry(const PresetListing& presets, int country, std::ostream& out) {
  out << country << " " << presets.countryName(country) << "\n";
  for (const ListedOperator& row : presets.operatorsOf(country)) {
    out << "  " << row.index << " " << row.name;
    if (!row.hasData) {
      out << ": no built-in parameters (write it in Customer mode)\n";
      continue;
    }
    out << "\n";
    for (const PresetValue& value : row.values) {
      out << "      " << value.key << ":";
      if (!value.value.empty()) out << " " << value.value;
      out << "\n";
    }
  }
}

}  // namespace

int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err) {
  const FileKind kind = FindFileKind(options.kind);
  if (kind == nullptr || kind->presets == nullptr) {
    err << kPrefix << "no presets of kind \"" << options.kind << "\"\n";
    return kExitBadInput;
  }
  const PresetListing& presets = *kind->presets;
  const int count = presets.countryCount;
  if (options.country && (*options.country < 0 || *options.country >= count)) {
    err << kPrefix << "--country: " << *options.country << " is not a country of the "
        << kind->name << " presets (0.." << count - 1 << ")\n";
    return kExitBadInput;
  }
  const int first = options.country.value_or(0);
  const int last = options.country.value_or(count - 1);
  if (options.json) {
    Json countries = Json::array();
    for (int c = first; c <= last; ++c) countries.push_back(CountryJson(presets, c));
    out << countries.dump(2) << "\n";
    return kExitOk;
  }
  for (int c = first; c <= last; ++c) PrintCountry(presets, c, out);
  return kExitOk;
}

}  // namespace quelmo
