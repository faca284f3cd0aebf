#include "smtp/smtp_form.h"

#include <optional>
#include <variant>

#include "controls/form_messages.h"
#include "kind/field_exchange.h"
#include "platform/file_system.h"
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

using G = GprsSettings;

// The operator database's values, one per parameter of the presets.
PresetOperatorFill FillFromOperator(const OperatorProvider& provider) {
  GprsOperatorFill fill = FillGprsFromOperator(provider);
  PresetOperatorFill values{{}, std::move(fill.findings)};
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    values.values.push_back(FilledValue(fill.values, field->place.operatorValue));
  }
  return values;
}

const PresetKind& GprsPresetKind() {
  static const PresetKind kind{kApnModeList,
                               kCountryList,
                               kOperatorList,
                               kLoadedPathEdit,
                               PresetEditsOf(kGprsFields),
                               GprsCountryTable(),
                               GprsPresetRows(),
                               kGprsChina,
                               /*loadedOperatorsInTableNames=*/true,
                               FillFromOperator};
  return kind;
}

const PresetFile<GprsSettings, GprsField> kGprsPresetFile{
    "GPRS setting file",
    kGprsFileSize,
    kGprsFileWords,
    LoadGprsSettings,
    [](const GprsSettings& s) { return PresetChoice{s.apnMode, s.countryIndex, s.operatorIndex}; },
    GprsFieldName};

}  // namespace

SmtpForm::SmtpForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      folder_(view, kSmtpFolderEdit, context.defaultFolder, language_),
      daily_limit_(view, kSmtpDailyLimitEdit, 0, kMaxDailyLimit, RangeWording::kFramework,
                   language_),
      email_test_(view, context.background, language_),
      presets_(view, context, GprsPresetKind(), *this) {}

void SmtpForm::Open() {
  view_.SetTitle(kModelName);
  hint_.width = BalloonHint::kDefaultWidth;
  hint_.fillColour = Rgb(213, 253, 224);
  hint_.frameColour = Rgb(0, 106, 53);
  for (const ControlHint& hint : SmtpHints(language_)) hint_.AddTool(hint.id, hint.text);
  for (const ControlCaption& caption : SmtpCaptions(language_)) {
    view_.SetText(caption.id, caption.text);
  }
  view_.SetItems(kSmtpSmsControlList, SmsControlEntries(language_));
  view_.SetSelection(kSmtpSmsControlList, kSmsControlOff);
  LimitTextEdits(view_, kGprsFields);
  presets_.Open();
  folder_.Open();
  ShowDailyLimit();
}

Next SmtpForm::Clicked(ControlId id) {
  switch (id) {
    case kSmtpSaveButton:
      Save();
      break;
    case kSmtpLoadButton:
      presets_.Load<GprsSettings, GprsField>(
          kGprsPresetFile, [this](const GprsSettings& file) { ShowLoaded(file); });
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
    default:
      // Enter on no button (kIdOk) does nothing: ending the run there would
      // lose everything typed.
      return PresetChooser::Clicked(id);
  }
  return Next::kStay;
}

Next SmtpForm::SelectionChanged(ControlId id) {
  presets_.SelectionChanged(id);
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
  const PresetChoice choice = presets_.Choice();
  settings.apnMode = choice.mode;
  settings.countryIndex = choice.country;
  settings.operatorIndex = choice.operatorIndex;
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

void SmtpForm::ShowDailyLimit() {
  // The view leaves an edit that already shows the text alone, caret and all.
  view_.SetText(kSmtpDailyLimitEdit, std::to_string(pictures_per_day_));
  folder_.Show();
}

// ---- The presets ------------------------------------------------------------

std::unique_ptr<FormLogic> SmtpForm::MakeWindowOver(Next which, FormView& view) {
  return presets_.MakeWindowOver(which, view);
}

void SmtpForm::ClearForModeSwitch() {
  // The mail texts start afresh with the access point; the SMS control
  // number, the daily limit and the folder stay.
  ClearEditsOnModeChange(view_, kGprsFields);
}

void SmtpForm::PresetChanged(PresetChange change) {
  // The finder's values leave the rest of the form as the user left it.
  if (change == PresetChange::kModeSwitched || change == PresetChange::kChosen) ShowDailyLimit();
}

void SmtpForm::ShowLoaded(const GprsSettings& file) {
  view_.SetSelection(kSmtpSmsControlList, file.smsControl);
  // Stored GBK, every text valid (the load empties any other), shown as UTF-8.
  ShowTextFields(view_, kGprsFields, file);
  pictures_per_day_ = file.picturesPerDay;
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
  if (presets_.Auto()) {
    // What is saved always matches the lists.
    presets_.ShowChosenPreset();
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

}  // namespace quelmo
