#include "smtp/smtp_form.h"

#include <optional>
#include <variant>

#include "controls/form_messages.h"
#include "finder/operator_finder_controls.h"
#include "finder/operator_finder_form.h"
#include "finder/operator_finder_texts.h"
#include "kind/field_exchange.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"
#include "remote_control/remote_control_texts.h"
#include "remote_control/sms_control_mode.h"
#include "session/app_state.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_fields.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_load.h"
#include "smtp/gprs_operator_fill.h"
#include "smtp/gprs_presets.h"
#include "smtp/mail_account.h"
#include "smtp/smtp_texts.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

constexpr int kMaxDailyLimit = 99;
// Anything larger is no setting file; refused before it is read.
constexpr std::uintmax_t kLoadLimit = 64 * 1024;

using G = GprsSettings;

}  // namespace

SmtpForm::SmtpForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      folder_(view, kSmtpFolderEdit, context.defaultFolder, language_),
      daily_limit_(view, kSmtpDailyLimitEdit, 0, kMaxDailyLimit, RangeWording::kFramework,
                   language_),
      email_test_(view, context.background, language_) {}

void SmtpForm::Open() {
  view_.SetTitle(kModelName);
  hint_.width = BalloonHint::kDefaultWidth;
  hint_.fillColour = Rgb(213, 253, 224);
  hint_.frameColour = Rgb(0, 106, 53);
  view_.SetItems(kApnModeList, ApnModeEntries(language_));
  view_.SetSelection(kApnModeList, kApnAuto);
  FillAuto(kGprsChina, 0, /*table_names=*/false);
  for (const ControlHint& hint : SmtpHints(language_)) hint_.AddTool(hint.id, hint.text);
  for (const ControlCaption& caption : SmtpCaptions(language_)) {
    view_.SetText(caption.id, caption.text);
  }
  view_.SetItems(kSmtpSmsControlList, SmsControlEntries(language_));
  view_.SetSelection(kSmtpSmsControlList, kSmsControlOff);
  LimitTextEdits(view_, kGprsFields);
  view_.SetText(kFindOperatorButton, FindOperatorText(language_));
  ShowPreset(kGprsChina, 0);
  folder_.Open();
  ShowDailyLimit();
}

Next SmtpForm::Clicked(ControlId id) {
  switch (id) {
    case kSmtpSaveButton:
      Save();
      break;
    case kSmtpLoadButton:
      Load();
      break;
    case kSmtpSelectFolderButton:
      folder_.Choose();
      break;
    case kSmtpTestEmailButton:
      TestEmail();
      break;
    case kIdProgressCancel:
      email_test_.Cancel();
      break;
    case kSmtpExitButton:
      return Next::kLauncher;
    case kFindOperatorButton:
      return Next::kOperatorFinder;
    default:
      // Enter on no button (kIdOk) does nothing: ending the run there would
      // lose everything typed.
      break;
  }
  return Next::kStay;
}

Next SmtpForm::SelectionChanged(ControlId id) {
  switch (id) {
    case kApnModeList:
      ModeChanged();
      break;
    case kCountryList:
      CountryChanged();
      break;
    case kOperatorList:
      OperatorChanged();
      break;
    default:
      break;
  }
  return Next::kStay;
}

Next SmtpForm::TextEdited(ControlId id) {
  if (id == kSmtpDailyLimitEdit) {
    GuardDailyLimit();
  } else if (id == kSmtpFolderEdit) {
    folder_.Take();
  }
  return Next::kStay;
}

Next SmtpForm::FocusLeft(ControlId id) {
  daily_limit_.Left(id);
  return Next::kStay;
}

// The check takes the settings as they stand in the form, saved or not.
void SmtpForm::TestEmail() {
  const Result<GprsSettings> settings = CollectGprsSettings();
  if (!settings.ok()) {
    view_.ShowMessage(settings.message());
    return;
  }
  if (!IsPortNumber(settings->smtpPort)) {
    view_.ShowMessage(std::string(SmtpPortRangeMessage(language_)), MessageIcon::kWarning);
    view_.FocusAndSelectAll(kSmtpPortEdit);
    return;
  }
  const Result<MailAccount> account = MailAccountFromSettings(*settings);
  if (!account.ok()) {
    view_.ShowMessage(account.message());
    return;
  }
  email_test_.Start(*account);
}

Result<GprsSettings> SmtpForm::CollectGprsSettings() const {
  GprsSettings settings;
  settings.apnMode = AutoMode() ? kApnAuto : kApnCustomer;
  if (settings.apnMode == kApnAuto) {
    settings.countryIndex = view_.Selection(kCountryList);
    settings.operatorIndex = view_.Selection(kOperatorList);
  }
  settings.picturesPerDay = pictures_per_day_;
  const int sms_control = view_.Selection(kSmtpSmsControlList);
  settings.smsControl = sms_control >= 0 ? sms_control : kSmsControlOff;
  std::optional<Error> failed;
  TakeTextFields(kGprsFields, [&](const StoredTextField<G>& text) {
    Result<std::string> stored = EncodeEdit(view_, text);
    if (!stored.ok()) {
      failed = stored.error();
      return false;
    }
    settings.*text.member = std::move(stored).value();
    return true;
  });
  if (failed) return *failed;
  return settings;
}

void SmtpForm::Show(ControlId edit, const std::string& text) {
  // The view leaves an edit that already shows the text alone, caret and all.
  view_.SetText(edit, text);
}

void SmtpForm::ShowDailyLimit() {
  Show(kSmtpDailyLimitEdit, std::to_string(pictures_per_day_));
  folder_.Show();
}

bool SmtpForm::AutoMode() const { return view_.Selection(kApnModeList) != kApnCustomer; }

void SmtpForm::FillAuto(int country, int operator_index, bool table_names) {
  view_.SetEnabled(kCountryList, true);
  view_.SetEnabled(kOperatorList, true);
  SetOperatorEditsReadOnly(view_, kGprsFields, true);
  view_.SetItems(kCountryList, GprsCountryNames(language_));
  view_.SetSelection(kCountryList, country);
  // After a load the operators show the table's own names, in every language.
  view_.SetItems(kOperatorList, GprsOperatorNames(country, table_names ? kEnglish : language_));
  view_.SetSelection(kOperatorList, operator_index);
}

void SmtpForm::FillCustomer() {
  const std::vector<std::string> single{std::string(CustomerListEntry(language_))};
  for (ControlId list : {kCountryList, kOperatorList}) {
    view_.SetItems(list, single);
    view_.SetSelection(list, 0);
    view_.SetEnabled(list, false);
  }
  SetOperatorEditsReadOnly(view_, kGprsFields, false);
}

void SmtpForm::ShowPreset(int country, int operator_index) {
  const OperatorPreset* preset = FindGprsPreset(country, operator_index);
  const PresetParameters none;
  const PresetParameters& shown = preset != nullptr ? preset->parameters : none;
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    Show(field->place.control, std::string(PresetParameter(shown, field->place.operatorValue)));
  }
}

std::unique_ptr<FormLogic> SmtpForm::MakeWindowOver(Next which, FormView& view) {
  return MakeOperatorFinder(which, view, context_, *this);
}

std::string SmtpForm::OperatorFieldName(std::string_view key) const {
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    if (field->key == key) return std::string(CaptionOf(field->place, language_));
  }
  return std::string(key);
}

std::string SmtpForm::OperatorFindingLines(const std::vector<OperatorFinding>& findings) const {
  return FindingLines(findings, language_,
                      [this](std::string_view key) { return OperatorFieldName(key); });
}

OperatorPreview SmtpForm::PreviewOperator(const OperatorProvider& provider) const {
  const GprsOperatorFill fill = FillGprsFromOperator(provider);
  OperatorPreview preview;
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    preview.rows.push_back(
        {OperatorFieldName(field->key), FilledValue(fill.values, field->place.operatorValue)});
  }
  preview.findings = OperatorFindingLines(fill.findings);
  return preview;
}

void SmtpForm::ApplyOperator(const OperatorProvider& provider) {
  const GprsOperatorFill fill = FillGprsFromOperator(provider);
  // Unlike a switch of the mode list, the mail texts the user typed stay.
  if (AutoMode()) {
    view_.SetSelection(kApnModeList, kApnCustomer);
    FillCustomer();
  }
  const std::vector<const StoredTextField<G>*> fields = OperatorFields(kGprsFields);
  for (const StoredTextField<G>* field : fields) {
    Show(field->place.control, FilledValue(fill.values, field->place.operatorValue));
  }
  if (fill.findings.empty()) return;
  view_.ShowMessage(OperatorValuesNotTaken(OperatorFindingLines(fill.findings), language_));
  for (const StoredTextField<G>* field : fields) {
    if (field->key == fill.findings.front().key) view_.FocusAndSelectAll(field->place.control);
  }
}

void SmtpForm::ModeChanged() {
  // The mail and access-point texts start afresh; the SMS control number,
  // the daily limit and the folder stay.
  ClearEditsOnModeChange(view_, kGprsFields);
  if (AutoMode()) {
    FillAuto(kGprsChina, 0, /*table_names=*/false);
    ShowPreset(kGprsChina, 0);
  } else {
    FillCustomer();
  }
  ShowDailyLimit();
}

void SmtpForm::CountryChanged() {
  if (!AutoMode()) return;
  const int country = view_.Selection(kCountryList);
  view_.SetItems(kOperatorList, GprsOperatorNames(country, language_));
  view_.SetSelection(kOperatorList, 0);
  ShowPreset(country, 0);
  ShowDailyLimit();
}

void SmtpForm::OperatorChanged() {
  if (!AutoMode()) return;
  ShowPreset(view_.Selection(kCountryList), view_.Selection(kOperatorList));
  ShowDailyLimit();
}

void SmtpForm::GuardDailyLimit() {
  if (daily_limit_.Take(pictures_per_day_)) return;
  // A number out of range (after its message) becomes 0 at once; an emptied
  // field stays empty and keeps its value until a number is typed.
  if (daily_limit_.ZeroIfOutOfRange(pictures_per_day_)) {
    view_.SetText(kSmtpDailyLimitEdit, "0");
  }
}

void SmtpForm::Save() {
  // The texts are read from their edits when collected, after these.
  if (!daily_limit_.TakeForWrite(pictures_per_day_)) return;
  if (!folder_.TakeForWrite()) return;
  if (AutoMode()) {
    // What is saved always matches the lists.
    ShowPreset(view_.Selection(kCountryList), view_.Selection(kOperatorList));
    ShowDailyLimit();
  }
  Result<GprsSettings> collected = CollectGprsSettings();
  if (!collected.ok()) {
    view_.ShowMessage(collected.message(), MessageIcon::kWarning);
    return;
  }
  GprsSettings settings = std::move(collected).value();
  if (const std::optional<GprsCheck> failed = FirstFailedGprsSave(settings)) {
    view_.ShowMessage(GprsCheckMessage(*failed, language_));
    return;
  }
  const std::string& folder = folder_.folder();
  const Status written = WriteGprsFile(context_.files, PathFromUtf8(folder), settings,
                                       context_.state.cameraLanguage());
  if (written.ok()) {
    const std::string file = PathToUtf8(PathFromUtf8(folder) / kGprsFileName);
    view_.ShowMessage(SavedMessage(GprsSavedConfirmation(language_), file));
  } else {
    view_.ShowMessage(SaveFailedMessage(kGprsFileName, folder, written.error(), language_),
                      MessageIcon::kWarning);
  }
}

void SmtpForm::Load() {
  view_.ChooseFile(LoadFileFilter(language_),
                   [this](std::optional<std::string> chosen) { LoadChosen(chosen); });
}

void SmtpForm::LoadChosen(const std::optional<std::string>& chosen) {
  if (!chosen || chosen->empty()) return;
  const std::string& path = *chosen;
  // A file that cannot be used changes nothing, the loaded path included.
  const Result<std::vector<std::uint8_t>> bytes =
      ReadBoundedFile(PathFromUtf8(path), kLoadLimit, "GPRS setting file");
  if (!bytes.ok()) {
    view_.ShowMessage(LoadFailedMessage(path, bytes.message(), language_), MessageIcon::kWarning);
    return;
  }
  const LoadOutcome<GprsSettings, GprsField> loaded = LoadGprsSettings(*bytes);
  if (const auto* refusal = std::get_if<LoadRefusal>(&loaded)) {
    const std::string reason =
        LoadRefusalReason(*refusal, kGprsFileSize, kGprsFileWords, language_);
    view_.ShowMessage(LoadFailedMessage(path, reason, language_), MessageIcon::kWarning);
    return;
  }
  loaded_path_ = path;
  view_.SetText(kLoadedPathEdit, loaded_path_);
  ApplyLoaded(std::get<GprsLoaded>(loaded));
}

void SmtpForm::ApplyLoaded(const GprsLoaded& loaded) {
  const GprsSettings& file = loaded.settings;
  // The mode comes from the file, with that mode's lists and states: a
  // Customer file must save its own access point, not a preset.
  view_.SetSelection(kApnModeList, file.apnMode);
  if (file.apnMode == kApnAuto) {
    FillAuto(file.countryIndex, file.operatorIndex, /*table_names=*/true);
  } else {
    FillCustomer();
  }
  view_.SetSelection(kSmtpSmsControlList, file.smsControl);
  // Stored GBK, every text valid (the load empties any other), shown as UTF-8.
  ShowTextFields(view_, kGprsFields, file);
  pictures_per_day_ = file.picturesPerDay;
  ShowDailyLimit();
  const std::vector<std::string> lines = FindingLines(loaded.findings, GprsFieldName, language_);
  if (!lines.empty()) {
    view_.ShowMessage(LoadedWithFindingsMessage(loaded_path_, lines, language_),
                      MessageIcon::kWarning);
  }
}

}  // namespace quelmo
