#include "cli/operator_option.h"

#include <string>

#include "operators/network_2g.h"
#include "operators/network_2g_texts.h"
#include "operators/operator_search.h"
#include "text/language_code.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

constexpr std::size_t kNearNames = 5;

Error BadOperator(std::string message) { return Error{ErrorCode::kInvalidArgument, std::move(message)}; }

// Names come from the database and choices from the command line: either may
// hold what a terminal would act on.
std::string Quoted(std::string_view text) { return QuotedForTerminal(text); }

// Only a network that is off is warned of: a switch-off to come is no reason
// to doubt the values today.
std::string Network2gWarning(const OperatorProvider& provider) {
  const Result<const Network2gTable*> table = BuiltInNetwork2gTable();
  if (!table.ok()) return "every 2G status is unknown: " + table.message();
  const Network2gVerdict verdict = Network2gOf(**table, provider);
  if (verdict.status != Network2gStatus::kOff) return {};
  return Quoted(provider.name) + ": " + Network2gNotice(verdict, kEnglish) + " (" + verdict.row->source +
         "); the values are written all the same";
}

}  // namespace

Status ApplyOperatorOption(FileKind kind, std::string_view choice, const OperatorDatabaseGetter& database,
                           Json& settings, std::string* warning) {
  if (kind->applyOperator == nullptr) {
    std::string kinds;
    for (FileKind each : AllFileKinds()) {
      if (each->applyOperator != nullptr) kinds += (kinds.empty() ? "" : ", ") + std::string(each->name);
    }
    return BadOperator("--operator sets operator parameters, which only these kinds have: " + kinds);
  }
  const std::size_t colon = choice.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon + 1 == choice.size()) {
    return BadOperator("--operator takes CC:NAME, the country's two-letter code and the operator's "
                       "name as the operator database spells it (\"gb:giffgaff\"), not " +
                       Quoted(choice));
  }
  const std::string_view code = choice.substr(0, colon);
  const std::string_view name = choice.substr(colon + 1);

  Result<const OperatorDatabase*> loaded = database();
  if (!loaded.ok()) return loaded.error();
  const OperatorCountry* country = FindOperatorCountry(**loaded, code);
  if (country == nullptr) {
    return BadOperator("--operator: the operator database has no country " + Quoted(code) +
                       " (its two-letter codes, such as \"gb\" or \"de\", are listed by "
                       "quelmo-cli operators)");
  }
  const OperatorProvider* provider = FindOperatorNamed(*country, name);
  if (provider == nullptr) {
    std::string message = "--operator: the operator database has no operator " + Quoted(name) +
                          " in " + Quoted(country->code);
    const std::vector<std::string> near = NearOperatorNames(*country, name, kNearNames);
    for (std::size_t i = 0; i < near.size(); ++i) {
      message += (i == 0 ? "; did you mean " : ", ") + Quoted(near[i]);
    }
    return BadOperator(message + (near.empty() ? "" : "?"));
  }
  Status applied = kind->applyOperator(*provider, settings);
  if (applied.ok() && warning != nullptr) *warning = Network2gWarning(*provider);
  return applied;
}

}  // namespace quelmo
