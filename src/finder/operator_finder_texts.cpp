#include "finder/operator_finder_texts.h"

#include "finder/operator_finder_controls.h"
#include "text/translate.h"

namespace quelmo {

std::string_view FindOperatorText(int language_index) {
  return Translate(language_index, "Find operator…");
}

std::string_view OperatorFinderControlText(ControlId id, int language_index) {
  static constexpr struct {
    ControlId id;
    std::string_view english;
  } kTexts[] = {
      {kFinderCountryLabel, "Country"},
      {kFinderSearchLabel, "Search"},
      {kFinderApplyButton, "Apply"},
      {kFinderCancelButton, "Cancel"},
  };
  for (const auto& row : kTexts) {
    if (row.id == id) return Translate(language_index, row.english);
  }
  return {};
}

std::string OperatorMatchCount(std::size_t count, int language_index) {
  if (count == 1) return std::string(Translate(language_index, "1 operator"));
  return FillIn(Translate(language_index, "{count} operators"), {{"count", std::to_string(count)}});
}

std::string OperatorDatabaseUnavailable(std::string_view why, int language_index) {
  return FillIn(Translate(language_index, "The operator database is not available: {reason}"),
                {{"reason", why}});
}

std::string_view NoOperatorChosen(int language_index) {
  return Translate(language_index, "Pick an operator in the list first.");
}

std::string OperatorValuesNotTaken(std::string_view finding_lines, int language_index) {
  std::string message(Translate(
      language_index,
      "These values cannot go into the setting file as the database gives them; type them "
      "yourself:"));
  return message.append("\n").append(finding_lines);
}

}  // namespace quelmo
