#pragma once
// The "Find operator…" window (dialog 1200), opened over the MMS or the
// SMTP/GPRS form: the user picks a country of the operator database (the
// system's region first), types to narrow the providers down by name or
// network id, sees what the chosen one gives the form, and Apply hands it to
// the form (OperatorTarget). The database is asked for when the window
// opens; when it cannot be had, the window says why and the form beneath
// goes on as before. Each provider's 2G status (network_2g.h) is shown in
// words beside its name and under the chosen one's values; Apply takes a
// provider whose 2G is off all the same: the user may know better.

#include <memory>
#include <string>
#include <vector>

#include "controls/form_view.h"
#include "finder/operator_target.h"
#include "operators/network_2g.h"
#include "operators/operator_database.h"
#include "operators/operator_database_getter.h"
#include "operators/operator_search.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

class OperatorFinderForm final : public FormLogic {
 public:
  // `region`: the two-letter code of the country shown first; another
  // country (the first by name) when the database has none of that code.
  OperatorFinderForm(FormView& view, int language_index, OperatorTarget& target,
                     OperatorDatabaseGetter database, std::string region,
                     Network2gGetter network2g = {});

  void Open() override;
  // Apply (Enter) hands the chosen provider to the form and closes;
  // Cancel (Esc, the close box) closes.
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;

 private:
  void ShowMatches();
  void ShowChosen();
  const OperatorProvider* Chosen() const;

  FormView& view_;
  int language_;
  OperatorTarget& target_;
  OperatorDatabaseGetter source_;
  std::string region_;
  Network2gGetter network2gSource_;
  const Network2gTable* network2g_ = nullptr;  // null: every status is unknown
  std::string network2gProblem_;               // why there is no table, shown in its place
  const OperatorDatabase* database_ = nullptr;
  std::vector<const OperatorCountry*> countries_;  // as the list shows them, by name
  std::vector<OperatorMatch> matches_;             // as the match list shows them
};

// The finder over a form that takes its values (`target`), when `which` asks
// for it; nullptr for any other window. The database, the country shown
// first and the 2G table come from `context`, else from the system and the
// program.
std::unique_ptr<FormLogic> MakeOperatorFinder(Next which, FormView& view, const AppContext& context,
                                              OperatorTarget& target);

}  // namespace quelmo
