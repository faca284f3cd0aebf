#include "finder/operator_finder_form.h"

#include <algorithm>
#include <utility>

#include "finder/operator_finder_controls.h"
#include "finder/operator_finder_texts.h"
#include "operators/country_names.h"
#include "operators/network_2g_texts.h"
#include "operators/operator_database_loader.h"
#include "platform/platform.h"
#include "text/translate.h"
#include "text/utf8.h"

namespace quelmo {
namespace {

constexpr ControlId kDatabaseControls[] = {kFinderCountryList, kFinderSearchEdit, kFinderMatchList,
                                           kFinderApplyButton};

// The search text is typed by the user and never stored: a generous bound
// keeps a pasted book from being searched for at every keystroke.
constexpr int kSearchCharacters = static_cast<int>(kOperatorSearchCharacters);

}  // namespace

OperatorFinderForm::OperatorFinderForm(FormView& view, int language_index, OperatorTarget& target,
                                       OperatorDatabaseGetter database, std::string region,
                                       Network2gGetter network2g)
    : view_(view),
      language_(language_index),
      target_(target),
      source_(std::move(database)),
      region_(std::move(region)),
      network2gSource_(std::move(network2g)) {}

void OperatorFinderForm::Open() {
  view_.SetTitle(FindOperatorText(language_));
  for (const ControlId id : {kFinderCountryLabel, kFinderSearchLabel, kFinderApplyButton,
                             kFinderCancelButton}) {
    view_.SetText(id, OperatorFinderControlText(id, language_));
  }
  for (int row = 0; row < kFinderValueRows; ++row) {
    view_.SetText(FinderValueLabel(row), "");
    view_.SetText(FinderValueEdit(row), "");
    view_.SetReadOnly(FinderValueEdit(row), true);
  }
  view_.SetCharacterLimit(kFinderSearchEdit, kSearchCharacters);
  view_.SetText(kFinderNetworkLabel, "");

  Result<const OperatorDatabase*> database = source_ ? source_() : Result<const OperatorDatabase*>(nullptr);
  if (!database.ok() || *database == nullptr) {
    const std::string why = database.ok() ? std::string(Translate(language_, "none was given"))
                                          : database.message();
    view_.SetText(kFinderStatusLabel, OperatorDatabaseUnavailable(why, language_));
    for (const ControlId id : kDatabaseControls) view_.SetEnabled(id, false);
    return;
  }
  database_ = *database;
  if (network2gSource_) {
    const Result<const Network2gTable*> table = network2gSource_();
    if (table.ok()) network2g_ = *table;
    network2gProblem_ = table.ok() ? std::string() : Network2gTableUnavailable(table.message(), language_);
  }

  // The system's country names in the language, read now that the finder
  // first needs them.
  const MoCatalogue& translations = CountryNameTranslations(language_);
  struct Named {
    std::string key;  // the order a reader of the language expects
    std::string name;
    const OperatorCountry* country;
  };
  std::vector<Named> named;
  named.reserve(database_->countries.size());
  for (const OperatorCountry& country : database_->countries) {
    std::string name = CountryNameIn(country.code, translations);
    named.push_back({SortKey(name), std::move(name), &country});
  }
  std::stable_sort(named.begin(), named.end(),
                   [](const Named& a, const Named& b) { return a.key < b.key; });
  std::vector<std::string> names;
  int shown = named.empty() ? -1 : 0;
  for (const auto& [key, name, country] : named) {
    if (country->code == region_) shown = static_cast<int>(countries_.size());
    names.push_back(name);
    countries_.push_back(country);
  }
  view_.SetItems(kFinderCountryList, names);
  view_.SetSelection(kFinderCountryList, shown);
  ShowMatches();
  view_.FocusAndSelectAll(kFinderSearchEdit);
}

Next OperatorFinderForm::Clicked(ControlId id) {
  if (id == kFinderCancelButton) return Next::kClose;
  if (id != kFinderApplyButton || database_ == nullptr) return Next::kStay;
  const OperatorProvider* chosen = Chosen();
  if (chosen == nullptr) {
    view_.ShowMessage(NoOperatorChosen(language_));
    return Next::kStay;
  }
  target_.ApplyOperator(*chosen);
  return Next::kClose;
}

Next OperatorFinderForm::SelectionChanged(ControlId id) {
  if (database_ == nullptr) return Next::kStay;
  if (id == kFinderCountryList) ShowMatches();
  if (id == kFinderMatchList) ShowChosen();
  return Next::kStay;
}

Next OperatorFinderForm::TextEdited(ControlId id) {
  if (database_ != nullptr && id == kFinderSearchEdit) ShowMatches();
  return Next::kStay;
}

void OperatorFinderForm::ShowMatches() {
  const OperatorProvider* before = Chosen();
  const int country = view_.Selection(kFinderCountryList);
  matches_.clear();
  if (country >= 0 && country < static_cast<int>(countries_.size())) {
    matches_ = SearchOperators(*database_, countries_[country]->code, view_.Text(kFinderSearchEdit));
  }
  std::vector<std::string> names;
  names.reserve(matches_.size());
  int chosen = matches_.empty() ? -1 : 0;
  for (const OperatorMatch& match : matches_) {
    if (match.provider == before) chosen = static_cast<int>(names.size());
    names.push_back(match.provider->name);
    const std::string mark = network2g_ == nullptr
                                 ? std::string()
                                 : Network2gListMark(Network2gOf(*network2g_, *match.provider), language_);
    if (!mark.empty()) names.back() += " (" + mark + ")";
  }
  view_.SetItems(kFinderMatchList, names);
  // The provider chosen stays chosen while it still matches; else the first
  // match is, so that Enter takes it.
  view_.SetSelection(kFinderMatchList, chosen);
  ShowChosen();
}

void OperatorFinderForm::ShowChosen() {
  const OperatorProvider* chosen = Chosen();
  OperatorPreview preview;
  if (chosen != nullptr) preview = target_.PreviewOperator(*chosen);
  const std::vector<OperatorPreviewRow>& rows = preview.rows;
  // The status line counts the matches and says why a value of the one
  // chosen stays empty, before Apply says it again.
  std::string status = OperatorMatchCount(matches_.size(), language_);
  if (!preview.findings.empty()) {
    status += " — " + preview.findings.substr(0, preview.findings.find('\n'));
  }
  view_.SetText(kFinderStatusLabel, status);
  std::string network = network2gProblem_;
  if (chosen != nullptr && network2g_ != nullptr) {
    network = Network2gNotice(Network2gOf(*network2g_, *chosen), language_);
  }
  view_.SetText(kFinderNetworkLabel, network);
  for (int row = 0; row < kFinderValueRows; ++row) {
    const bool shown = row < static_cast<int>(rows.size());
    view_.SetText(FinderValueLabel(row), shown ? rows[row].label : "");
    view_.SetText(FinderValueEdit(row), shown ? rows[row].value : "");
  }
  view_.SetEnabled(kFinderApplyButton, chosen != nullptr);
}

const OperatorProvider* OperatorFinderForm::Chosen() const {
  const int index = view_.Selection(kFinderMatchList);
  if (index < 0 || index >= static_cast<int>(matches_.size())) return nullptr;
  return matches_[index].provider;
}

std::unique_ptr<FormLogic> MakeOperatorFinder(Next which, FormView& view, const AppContext& context,
                                              OperatorTarget& target) {
  if (which != Next::kOperatorFinder) return nullptr;
  OperatorDatabaseGetter database = context.operatorDatabase;
  if (!database) database = [] { return SystemOperatorDatabase(); };
  std::string region = context.operatorRegion ? *context.operatorRegion : SystemRegionCode();
  Network2gGetter network2g = context.network2g;
  if (!network2g) network2g = [] { return BuiltInNetwork2gTable(); };
  return std::make_unique<OperatorFinderForm>(view, context.state.languageIndex, target,
                                              std::move(database), std::move(region), std::move(network2g));
}

}  // namespace quelmo
