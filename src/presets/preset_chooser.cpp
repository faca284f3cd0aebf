#include "presets/preset_chooser.h"

#include "controls/form_messages.h"
#include "finder/operator_finder_controls.h"
#include "finder/operator_finder_form.h"
#include "finder/operator_finder_texts.h"
#include "kind/field_exchange.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"
#include "session/app_state.h"
#include "text/language_code.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// Far more than a setting file: a wrong choice is refused before it is read.
constexpr std::uintmax_t kLoadReadLimit = 64 * 1024;

}  // namespace

std::vector<std::string> PresetModeEntries(int language_index) {
  return {std::string(Translate(language_index, "Auto")),
          std::string(PresetCustomerEntry(language_index))};
}

std::string_view PresetCustomerEntry(int language_index) {
  return Translate(language_index, "Customer");
}

PresetChooser::PresetChooser(FormView& view, const AppContext& context, const PresetKind& kind,
                             PresetForm& form)
    : view_(view),
      context_(context),
      kind_(kind),
      form_(form),
      language_(context.state.languageIndex) {}

void PresetChooser::Open() {
  view_.SetText(kFindOperatorButton, FindOperatorText(language_));
  view_.SetItems(kind_.modeList, PresetModeEntries(language_));
  ShowMode(kPresetAuto, kind_.openingCountry, 0, language_);
  ShowPreset(kind_.openingCountry, 0);
  form_.PresetChanged(PresetChange::kOpened);
}

bool PresetChooser::SelectionChanged(ControlId id) {
  if (id == kind_.modeList) {
    SwitchMode();
  } else if (id == kind_.countryList) {
    ChooseCountry();
  } else if (id == kind_.operatorList) {
    ChooseOperator();
  } else {
    return false;
  }
  return true;
}

Next PresetChooser::Clicked(ControlId id) {
  return id == kFindOperatorButton ? Next::kOperatorFinder : Next::kStay;
}

std::unique_ptr<FormLogic> PresetChooser::MakeWindowOver(Next which, FormView& view) {
  return MakeOperatorFinder(which, view, context_, *this);
}

PresetChoice PresetChooser::Choice() const {
  if (!Auto()) return {kPresetCustomer, 0, 0};
  return {kPresetAuto, view_.Selection(kind_.countryList), view_.Selection(kind_.operatorList)};
}

void PresetChooser::ShowChosenPreset() {
  ShowPreset(view_.Selection(kind_.countryList), view_.Selection(kind_.operatorList));
}

// ---- Modes and the lists ----------------------------------------------------

void PresetChooser::ShowMode(int mode, int country, int operator_index, int names_language) {
  mode_ = mode;
  view_.SetSelection(kind_.modeList, mode);
  const bool automatic = Auto();
  if (automatic) {
    view_.SetItems(kind_.countryList, PresetCountryNames(kind_.countries, language_));
    view_.SetSelection(kind_.countryList, country);
    view_.SetItems(kind_.operatorList, PresetOperatorNames(kind_.rows, country, names_language));
    view_.SetSelection(kind_.operatorList, operator_index);
  } else {
    const std::vector<std::string> single{std::string(PresetCustomerEntry(language_))};
    for (ControlId list : {kind_.countryList, kind_.operatorList}) {
      view_.SetItems(list, single);
      view_.SetSelection(list, 0);
    }
  }
  view_.SetEnabled(kind_.countryList, automatic);
  view_.SetEnabled(kind_.operatorList, automatic);
  for (const PresetEdit& parameter : kind_.parameters) {
    view_.SetReadOnly(parameter.place.control, automatic);
  }
}

void PresetChooser::ShowPreset(int country, int operator_index) {
  // A choice without a row shows nothing; Save refuses it.
  const OperatorPreset* row = FindPresetOperator(kind_.rows, country, operator_index);
  const PresetParameters none;
  const PresetParameters& shown = row != nullptr ? row->parameters : none;
  for (const PresetEdit& parameter : kind_.parameters) {
    view_.SetText(parameter.place.control, PresetParameter(shown, parameter.place.operatorValue));
  }
}

void PresetChooser::ShowParameters(std::span<const std::string> values) {
  for (std::size_t i = 0; i < kind_.parameters.size(); ++i) {
    view_.SetText(kind_.parameters[i].place.control, i < values.size() ? values[i] : std::string());
  }
}

void PresetChooser::SwitchMode() {
  // The parameters and what the form empties start afresh; Auto mode at the
  // opening country.
  form_.ClearForModeSwitch();
  const int mode = view_.Selection(kind_.modeList) == kPresetCustomer ? kPresetCustomer
                                                                      : kPresetAuto;
  ShowMode(mode, kind_.openingCountry, 0, language_);
  if (Auto()) {
    ShowPreset(kind_.openingCountry, 0);
  } else {
    ShowParameters({});
  }
  form_.PresetChanged(PresetChange::kModeSwitched);
}

void PresetChooser::ChooseCountry() {
  if (!Auto()) return;
  // Another country starts at its first operator.
  const int country = view_.Selection(kind_.countryList);
  view_.SetItems(kind_.operatorList, PresetOperatorNames(kind_.rows, country, language_));
  view_.SetSelection(kind_.operatorList, 0);
  ShowPreset(country, 0);
  form_.PresetChanged(PresetChange::kChosen);
}

void PresetChooser::ChooseOperator() {
  if (!Auto()) return;
  ShowChosenPreset();
  form_.PresetChanged(PresetChange::kChosen);
}

// ---- The operator database ----------------------------------------------------

std::string PresetChooser::ParameterName(std::string_view key) const {
  for (const PresetEdit& parameter : kind_.parameters) {
    if (parameter.key == key) return std::string(CaptionOf(parameter.place, language_));
  }
  return std::string(key);
}

std::string PresetChooser::FindingLinesOf(const std::vector<OperatorFinding>& findings) const {
  return FindingLines(findings, language_,
                      [this](std::string_view key) { return ParameterName(key); });
}

OperatorPreview PresetChooser::PreviewOperator(const OperatorProvider& provider) const {
  const PresetOperatorFill fill = kind_.fillFromOperator(provider);
  OperatorPreview preview;
  for (std::size_t i = 0; i < kind_.parameters.size(); ++i) {
    preview.rows.push_back({ParameterName(kind_.parameters[i].key),
                            i < fill.values.size() ? fill.values[i] : std::string()});
  }
  preview.findings = FindingLinesOf(fill.findings);
  return preview;
}

void PresetChooser::ApplyOperator(const OperatorProvider& provider) {
  const PresetOperatorFill fill = kind_.fillFromOperator(provider);
  // Unlike a switch of the mode list, what the user typed elsewhere stays.
  form_.BeforeOperatorFill();
  ShowMode(kPresetCustomer, 0, 0, language_);
  ShowParameters(fill.values);
  form_.PresetChanged(PresetChange::kOperatorFilled);
  if (fill.findings.empty()) return;
  view_.ShowMessage(OperatorValuesNotTaken(FindingLinesOf(fill.findings), language_));
  for (const PresetEdit& parameter : kind_.parameters) {
    if (parameter.key == fill.findings.front().key) view_.FocusAndSelectAll(parameter.place.control);
  }
}

// ---- Load ---------------------------------------------------------------------

void PresetChooser::ChooseFileToLoad(const char* what,
                                     std::function<void(const ChosenFile&)> then) {
  view_.ChooseFile(LoadFileFilter(language_), [this, what, then = std::move(then)](
                                                  std::optional<std::string> path) {
    // An empty answer is a cancelled dialog too.
    if (!path || path->empty()) return;
    // A file that cannot be used changes nothing, the loaded path included.
    Result<std::vector<std::uint8_t>> bytes =
        ReadBoundedFile(PathFromUtf8(*path), kLoadReadLimit, what);
    if (!bytes.ok()) return RefuseLoad(*path, bytes.message());
    then(ChosenFile{std::move(*path), std::move(bytes).value()});
  });
}

void PresetChooser::RefuseLoad(const std::string& path, const std::string& reason) {
  view_.ShowMessage(LoadFailedMessage(path, reason, language_), MessageIcon::kWarning);
}

void PresetChooser::ShowLoadedChoice(const std::string& path, const PresetChoice& choice) {
  view_.SetText(kind_.loadPathEdit, path);
  // The file's mode, with that mode's lists and field states: a Customer
  // file must save its own parameters, not a preset.
  const int names = kind_.loadedOperatorsInTableNames ? kEnglish : language_;
  ShowMode(choice.mode == kPresetAuto ? kPresetAuto : kPresetCustomer, choice.country,
           choice.operatorIndex, names);
}

void PresetChooser::TellLoadFindings(const std::string& path,
                                     const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  view_.ShowMessage(LoadedWithFindingsMessage(path, lines, language_), MessageIcon::kWarning);
}

}  // namespace quelmo
