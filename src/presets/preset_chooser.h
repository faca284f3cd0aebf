#pragma once
// The Auto/Customer part of the MMS and SMTP/GPRS forms: the mode list, the
// country and operator lists of the built-in presets and the operator
// parameters they fill, the "Find operator…" window that fills Customer
// mode, and Load, which reads a setting file back. One flow for both forms;
// what a kind differs in is data (PresetKind, PresetFile).
//
// Its state is its controls: the mode it entered last, the lists where they
// stand and the parameter edits as it filled them. The form around it keeps
// its own fields and is told of every change (PresetForm), so that it can
// take the parameters into its own state and show its own fields again.
//
// Auto mode: the lists are enabled and the parameters read-only, filled from
// the chosen row. Customer mode: each list holds the single entry
// "Customer", disabled, and the parameters are the user's to type.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls/form_view.h"
#include "finder/operator_target.h"
#include "kind/field_table.h"
#include "operators/operator_finding.h"
#include "presets/operator_preset.h"
#include "presets/settings_load.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

// The positions of the mode list, as both setting files store the mode.
enum PresetMode : int { kPresetAuto = 0, kPresetCustomer = 1 };

// "Auto" and "Customer" in the language; the second is also the single
// entry of the lists in Customer mode.
std::vector<std::string> PresetModeEntries(int language_index);
std::string_view PresetCustomerEntry(int language_index);

// What a setting file or the lists choose.
struct PresetChoice {
  int mode = kPresetAuto;
  int country = 0;
  int operatorIndex = 0;
  bool operator==(const PresetChoice&) const = default;
};

// One operator parameter as the kind's field table places it: its edit, its
// column of a preset row (operatorValue), its caption, and the key the
// operator database's findings name it by.
struct PresetEdit {
  std::string_view key;
  FieldPlace place;
};

// The operator parameters of a kind's field table, in its order.
template <typename Settings>
std::vector<PresetEdit> PresetEditsOf(FieldTable<Settings> fields) {
  std::vector<PresetEdit> edits;
  for (const StoredTextField<Settings>* text : OperatorFields(fields)) {
    edits.push_back({text->key, text->place});
  }
  return edits;
}

// The operator database's values for the parameters, UTF-8, one per
// parameter in the kind's order; empty where a finding names the value.
struct PresetOperatorFill {
  std::vector<std::string> values;
  std::vector<OperatorFinding> findings;
};

// What the component shows and fills for one kind of form.
struct PresetKind {
  ControlId modeList;
  ControlId countryList;
  ControlId operatorList;
  ControlId loadPathEdit;
  std::vector<PresetEdit> parameters;  // PresetEditsOf the kind's table
  std::span<const std::string_view> countries;  // the table's names
  std::span<const OperatorPreset> rows;
  int openingCountry;  // Auto mode opens at its first operator
  // After a load, the operator list shows the table's own names in every
  // language (the GPRS form has always done so).
  bool loadedOperatorsInTableNames;
  PresetOperatorFill (*fillFromOperator)(const OperatorProvider& provider);
};

// How Load reads one kind of setting file.
template <typename Settings, typename Field>
struct PresetFile {
  const char* what;  // names the file in a read error: "MMS setting file"
  std::size_t size;
  SettingFileWords words;
  LoadOutcome<Settings, Field> (*load)(std::span<const std::uint8_t> bytes);
  PresetChoice (*choiceOf)(const Settings& settings);
  std::string_view (*fieldName)(Field field, int language_index);
};

// What the component has just changed.
enum class PresetChange {
  kOpened,          // Auto mode at the opening country
  kModeSwitched,    // by the user, after PresetForm::ClearForModeSwitch
  kChosen,          // a country or an operator picked in Auto mode
  kOperatorFilled,  // Customer mode with the finder's values
};

// The form around the component.
class PresetForm {
 public:
  virtual ~PresetForm() = default;
  // The user switched the mode: the form empties what a new mode starts
  // without. The parameters are the component's to empty or fill.
  virtual void ClearForModeSwitch() = 0;
  // The finder is about to switch to Customer mode and fill the parameters.
  virtual void BeforeOperatorFill() {}
  // The mode, the lists or the parameters changed as `change` says.
  virtual void PresetChanged(PresetChange change) = 0;
};

class PresetChooser final : public OperatorTarget {
 public:
  PresetChooser(FormView& view, const AppContext& context, const PresetKind& kind,
                PresetForm& form);

  // The window exists: the mode list, the finder's button, Auto mode.
  void Open();
  // The user picked an entry of one of the component's lists; false for
  // another control.
  bool SelectionChanged(ControlId id);
  // The finder's button asks for the finder window; kStay for another control.
  static Next Clicked(ControlId id);
  // The finder over the form, when `which` asks for it.
  std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view);

  bool Auto() const { return mode_ != kPresetCustomer; }
  // The mode, and in Auto mode the lists' choice where it stands (-1 for a
  // list without one); country and operator 0 in Customer mode.
  PresetChoice Choice() const;
  // Auto mode: the parameters show the row the lists choose.
  void ShowChosenPreset();

  // Load: the user chooses a file (the answer may come after this returns);
  // one that cannot be read or is refused changes nothing but says why. A
  // sound one shows its path, its mode and choice, `apply` takes its
  // settings into the form, and what was odd in it is said last.
  template <typename Settings, typename Field>
  void Load(const PresetFile<Settings, Field>& file, std::function<void(const Settings&)> apply);

  // OperatorTarget, for the finder.
  OperatorPreview PreviewOperator(const OperatorProvider& provider) const override;
  void ApplyOperator(const OperatorProvider& provider) override;

 private:
  struct ChosenFile {
    std::string path;
    std::vector<std::uint8_t> bytes;
  };
  // The file the user chooses, read, to `then`; nothing when they cancel or
  // it cannot be read (which is said).
  void ChooseFileToLoad(const char* what, std::function<void(const ChosenFile&)> then);
  void RefuseLoad(const std::string& path, const std::string& reason);
  void ShowLoadedChoice(const std::string& path, const PresetChoice& choice);
  void TellLoadFindings(const std::string& path, const std::vector<std::string>& lines);

  // The mode with its lists and parameter states; in Auto mode the lists
  // show `country` and `operator_index`, the operators named in `names_language`.
  void ShowMode(int mode, int country, int operator_index, int names_language);
  void ShowPreset(int country, int operator_index);
  void ShowParameters(std::span<const std::string> values);
  void SwitchMode();
  void ChooseCountry();
  void ChooseOperator();
  std::string ParameterName(std::string_view key) const;
  std::string FindingLinesOf(const std::vector<OperatorFinding>& findings) const;

  FormView& view_;
  const AppContext& context_;
  const PresetKind& kind_;
  PresetForm& form_;
  int language_;
  int mode_ = kPresetAuto;
};

template <typename Settings, typename Field>
void PresetChooser::Load(const PresetFile<Settings, Field>& file,
                         std::function<void(const Settings&)> apply) {
  // `file` is a kind's constant; the answer may come after this returns.
  ChooseFileToLoad(file.what, [this, &file, apply = std::move(apply)](const ChosenFile& chosen) {
    const LoadOutcome<Settings, Field> outcome = file.load(chosen.bytes);
    if (const auto* refusal = std::get_if<LoadRefusal>(&outcome)) {
      return RefuseLoad(chosen.path, LoadRefusalReason(*refusal, file.size, file.words, language_));
    }
    const auto& loaded = std::get<LoadedSettings<Settings, Field>>(outcome);
    ShowLoadedChoice(chosen.path, file.choiceOf(loaded.settings));
    apply(loaded.settings);
    TellLoadFindings(chosen.path, FindingLines(loaded.findings, file.fieldName, language_));
  });
}

}  // namespace quelmo
