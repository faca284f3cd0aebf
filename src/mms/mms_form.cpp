#include "mms/mms_form.h"

#include <climits>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "finder/operator_finder_controls.h"
#include "finder/operator_finder_form.h"
#include "finder/operator_finder_texts.h"
#include "kind/field_exchange.h"
#include "mms/mms_checks.h"
#include "mms/mms_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_load.h"
#include "mms/mms_operator_fill.h"
#include "mms/mms_presets.h"
#include "mms/mms_texts.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"
#include "remote_control/remote_control_texts.h"
#include "remote_control/sms_control_mode.h"
#include "session/app_state.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

constexpr int kHintWidth = 200;
constexpr HintColour kHintFill = Rgb(213, 253, 224);
constexpr HintColour kHintFrame = Rgb(0, 106, 53);
constexpr std::size_t kShortestRecipient = 5;
constexpr int kMaxPicturesPerDay = 99;
// Far more than an mms.dat: a wrong choice is refused before it is read.
constexpr std::uintmax_t kLoadReadLimit = 64 * 1024;

using M = MmsSettings;

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

}  // namespace

MmsForm::MmsForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      folder_(view, kMmsFolderEdit, context.defaultFolder, language_),
      pictures_(view, kMmsPicturesEdit, 0, kMaxPicturesPerDay, RangeWording::kProgram, language_) {}

void MmsForm::Open() {
  folder_.Open();
  LimitTextEdits(view_, kMmsFields);
  PutToControls();
  view_.SetTitle(kModelName);
  hint_.width = kHintWidth;
  hint_.fillColour = kHintFill;
  hint_.frameColour = kHintFrame;

  for (ControlId id : MmsTextControls()) {
    if (const auto text = MmsControlText(id, language_)) view_.SetText(id, *text);
  }
  view_.SetItems(kMmsSmsControlList, SmsControlEntries(language_));
  view_.SetSelection(kMmsSmsControlList, settings_.smsControl);
  hint_.AddTool(kMmsPhoneEdit, std::string(MmsPhoneHint(language_)));
  hint_.AddTool(kMmsEmailEdit, std::string(MmsEmailHint(language_)));
  hint_.AddTool(kMmsSmsControlList, std::string(SmsControlHint(language_)));

  view_.SetText(kFindOperatorButton, FindOperatorText(language_));

  view_.SetItems(kMmsModeList, MmsModeEntries(language_));
  EnterAutoMode();
}

Next MmsForm::Clicked(ControlId id) {
  switch (id) {
    case kMmsSaveButton:
      Save();
      break;
    case kMmsLoadButton:
      Load();
      break;
    case kMmsFolderButton:
      folder_.Choose();
      PutToControls();
      break;
    case kMmsExitButton:
      return Next::kLauncher;
    case kFindOperatorButton:
      return Next::kOperatorFinder;
    default:
      break;
  }
  return Next::kStay;
}

Next MmsForm::SelectionChanged(ControlId id) {
  switch (id) {
    case kMmsModeList:
      SwitchMode();
      break;
    case kMmsCountryList:
      ChooseCountry();
      break;
    case kMmsOperatorList:
      ChooseOperator();
      break;
    case kMmsSmsControlList:
      settings_.smsControl = view_.Selection(kMmsSmsControlList);
      TakeFromControls();
      break;
    default:
      break;
  }
  return Next::kStay;
}

Next MmsForm::TextEdited(ControlId id) {
  switch (id) {
    case kMmsPhoneEdit:
      PhoneEdited();
      break;
    case kMmsEmailEdit:
      EmailEdited();
      break;
    case kMmsPicturesEdit:
      PicturesEdited();
      break;
    case kMmsUrlEdit:
    case kMmsApnEdit:
    case kMmsGatewayEdit:
    case kMmsPortEdit:
    case kMmsAccountEdit:
    case kMmsPasswordEdit:
    case kMmsSecondEdit:
      TakeFromControls();
      break;
    default:
      break;
  }
  return Next::kStay;
}

Next MmsForm::FocusLeft(ControlId id) {
  pictures_.Left(id);
  return Next::kStay;
}

// ---- Exchange -------------------------------------------------------------

bool MmsForm::TakeFromControls(bool for_write) {
  const auto take = [this](const StoredTextField<M>& text) {
    return text.place.typedPastLimit ? TakePhone(text) : TakeText(text);
  };
  return TakeTextFields(kMmsFields, take, INT_MIN, mms_fields::kTakenBeforeFolder) &&
         (for_write ? folder_.TakeForWrite() : folder_.Take()) &&
         TakeTextFields(kMmsFields, take, mms_fields::kTakenBeforeFolder + 1) &&
         TakePicturesPerDay(for_write);
  // The load-path field is only shown: nothing reads it back.
}

bool MmsForm::TakeText(const StoredTextField<MmsSettings>& text) {
  const ControlId edit = text.place.control;
  const int limit = static_cast<int>(text.byteLimit);
  Result<std::string> gbk = Utf8ToGbk(view_.Text(edit));
  if (!gbk.ok()) {
    view_.ShowMessage(MmsTextNotStorableMessage(gbk.message(), language_), MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit);
    return false;
  }
  if (static_cast<int>(gbk->size()) > limit) {
    view_.ShowMessage(FrameworkLengthMessage(limit, language_), MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit);
    return false;
  }
  settings_.*text.member = std::move(gbk).value();
  return true;
}

bool MmsForm::TakePhone(const StoredTextField<MmsSettings>& text) {
  const ControlId edit = text.place.control;
  Result<std::string> gbk = Utf8ToGbk(view_.Text(edit));
  if (!gbk.ok()) {
    view_.ShowMessage(MmsTextNotStorableMessage(gbk.message(), language_), MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit);
    return false;
  }
  // Taken even when too long: the phone handler then empties it.
  std::string& phone = settings_.*text.member;
  phone = std::move(gbk).value();
  if (phone.size() > text.byteLimit) {
    view_.ShowMessage(MmsPhoneTooLongMessage(language_));
    view_.FocusAndSelectAll(edit);
    return false;
  }
  return true;
}

bool MmsForm::TakePicturesPerDay(bool for_write) {
  return for_write ? pictures_.TakeForWrite(settings_.picturesPerDay)
                   : pictures_.Take(settings_.picturesPerDay);
}

void MmsForm::PutToControls() {
  ShowTextFields(view_, kMmsFields, settings_);
  view_.SetText(kMmsPicturesEdit, std::to_string(settings_.picturesPerDay));
}

// ---- The operator database ------------------------------------------------

std::unique_ptr<FormLogic> MmsForm::MakeWindowOver(Next which, FormView& view) {
  return MakeOperatorFinder(which, view, context_, *this);
}

std::string MmsForm::OperatorFieldName(std::string_view key) const {
  for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
    if (field->key == key) return std::string(CaptionOf(field->place, language_));
  }
  return std::string(key);
}

std::string MmsForm::OperatorFindingLines(const std::vector<OperatorFinding>& findings) const {
  return FindingLines(findings, language_,
                      [this](std::string_view key) { return OperatorFieldName(key); });
}

OperatorPreview MmsForm::PreviewOperator(const OperatorProvider& provider) const {
  const MmsOperatorFill fill = FillMmsFromOperator(provider);
  OperatorPreview preview;
  for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
    preview.rows.push_back(
        {OperatorFieldName(field->key), FilledValue(fill.values, field->place.operatorValue)});
  }
  preview.findings = OperatorFindingLines(fill.findings);
  return preview;
}

void MmsForm::ApplyOperator(const OperatorProvider& provider) {
  const MmsOperatorFill fill = FillMmsFromOperator(provider);
  // What the user typed elsewhere on the form (the recipients) stays.
  TakeFromControls();
  const std::string second_recipient = settings_.phoneOrEmail2;
  EnterCustomerMode();
  const std::vector<const StoredTextField<M>*> fields = OperatorFields(kMmsFields);
  for (const StoredTextField<M>* field : fields) {
    // Every value given fits its field in GBK: the fill checked it.
    Result<std::string> stored = Utf8ToGbk(FilledValue(fill.values, field->place.operatorValue));
    settings_.*field->member = stored.ok() ? std::move(stored).value() : std::string();
  }
  if (RecipientsOpenSecond()) settings_.phoneOrEmail2 = second_recipient;
  UpdateSecondRecipient();
  PutToControls();
  if (fill.findings.empty()) return;
  view_.ShowMessage(OperatorValuesNotTaken(OperatorFindingLines(fill.findings), language_));
  for (const StoredTextField<M>* field : fields) {
    if (field->key == fill.findings.front().key) view_.FocusAndSelectAll(field->place.control);
  }
}

// ---- Modes and presets ----------------------------------------------------

void MmsForm::SwitchMode() {
  ClearTextsOnModeChange(kMmsFields, settings_);
  if (view_.Selection(kMmsModeList) == kMmsCustomer) {
    EnterCustomerMode();
  } else {
    EnterAutoMode();
  }
}

void MmsForm::EnterAutoMode() {
  settings_.mode = kMmsAuto;
  view_.SetSelection(kMmsModeList, kMmsAuto);
  view_.SetEnabled(kMmsCountryList, true);
  view_.SetEnabled(kMmsOperatorList, true);
  SetOperatorEditsReadOnly(view_, kMmsFields, true);
  view_.SetReadOnly(kMmsPhoneEdit, false);
  view_.SetReadOnly(kMmsEmailEdit, false);
  SetSecondRecipientOpen(false);
  ApplyMmsPreset(settings_, kMmsChina, 0);
  ShowPresetLists(kMmsChina, 0);
  PutToControls();
}

void MmsForm::EnterCustomerMode() {
  settings_.mode = kMmsCustomer;
  settings_.countryIndex = kManualCountry;
  settings_.operatorIndex = 0;
  view_.SetSelection(kMmsModeList, kMmsCustomer);
  const std::vector<std::string> placeholder{std::string(MmsCustomerPlaceholder(language_))};
  for (ControlId list : {kMmsCountryList, kMmsOperatorList}) {
    view_.SetItems(list, placeholder);
    view_.SetSelection(list, 0);
    view_.SetEnabled(list, false);
  }
  SetOperatorEditsReadOnly(view_, kMmsFields, false);
  view_.SetReadOnly(kMmsPhoneEdit, false);
  view_.SetReadOnly(kMmsEmailEdit, false);
  SetSecondRecipientOpen(false);
  PutToControls();
}

void MmsForm::ShowPresetLists(int country, int operator_index) {
  view_.SetItems(kMmsCountryList, MmsCountryNames(language_));
  view_.SetSelection(kMmsCountryList, country);
  view_.SetItems(kMmsOperatorList, MmsOperatorNames(country, language_));
  view_.SetSelection(kMmsOperatorList, operator_index);
}

void MmsForm::ChooseCountry() {
  const int country = view_.Selection(kMmsCountryList);
  if (settings_.mode == kMmsAuto && ApplyMmsPreset(settings_, country, 0)) {
    view_.SetItems(kMmsOperatorList, MmsOperatorNames(country, language_));
    view_.SetSelection(kMmsOperatorList, 0);
  }
  PutToControls();
}

void MmsForm::ChooseOperator() {
  if (settings_.mode == kMmsAuto) {
    ApplyMmsPreset(settings_, view_.Selection(kMmsCountryList), view_.Selection(kMmsOperatorList));
  }
  PutToControls();
}

// ---- Recipients -------------------------------------------------------------

void MmsForm::PhoneEdited() {
  TakeFromControls();
  if (static_cast<int>(settings_.phone.size()) > MmsLimits::kPhone) settings_.phone.clear();
  UpdateSecondRecipient();
  PutToControls();
}

void MmsForm::EmailEdited() {
  TakeFromControls();
  UpdateSecondRecipient();
  PutToControls();
}

bool MmsForm::RecipientsOpenSecond() const {
  const bool phone_usable = settings_.phone.size() >= kShortestRecipient;
  const bool email_usable =
      settings_.receiveEmail.size() >= kShortestRecipient && Contains(settings_.receiveEmail, '@');
  return phone_usable || email_usable;
}

void MmsForm::UpdateSecondRecipient() { SetSecondRecipientOpen(RecipientsOpenSecond()); }

void MmsForm::SetSecondRecipientOpen(bool open) {
  if (!open) settings_.phoneOrEmail2.clear();
  view_.SetReadOnly(kMmsSecondEdit, !open);
}

void MmsForm::PicturesEdited() {
  TakeFromControls();
  // A number out of range (after its message) becomes 0 at once; an emptied
  // field or a lone sign keeps the value until a number is typed.
  if (pictures_.ZeroIfOutOfRange(settings_.picturesPerDay)) PutToControls();
}

// ---- Save and Load ----------------------------------------------------------

void MmsForm::Save() {
  if (!TakeFromControls(/*for_write=*/true)) return;
  MmsSettings chosen = settings_;
  const int sms_control = view_.Selection(kMmsSmsControlList);
  chosen.smsControl = sms_control >= 0 ? sms_control : kSmsControlOff;
  if (chosen.mode == kMmsAuto) {
    // The file carries the preset of the choice on screen, whatever the
    // fields held (after a load, say). A choice without a row is refused by
    // the checks below.
    chosen.countryIndex = view_.Selection(kMmsCountryList);
    chosen.operatorIndex = view_.Selection(kMmsOperatorList);
    ApplyMmsPreset(chosen, chosen.countryIndex, chosen.operatorIndex);
  }
  if (const std::optional<MmsCheck> failed = FirstFailedMmsCheck(chosen)) {
    view_.ShowMessage(MmsCheckMessage(*failed, language_));
    return;
  }
  settings_ = chosen;
  const std::string& folder = folder_.folder();
  const Status written = WriteMmsFile(context_.files, PathFromUtf8(folder), settings_,
                                      context_.state.cameraLanguage(), context_.state.tvMode);
  if (!written.ok()) {
    view_.ShowMessage(SaveFailedMessage(kMmsFileName, folder, written.error(), language_),
                      MessageIcon::kWarning);
    return;
  }
  view_.ShowMessage(SavedMessage(MmsSavedConfirmation(language_),
                                 PathToUtf8(PathFromUtf8(folder) / kMmsFileName)));
}

void MmsForm::Load() {
  view_.ChooseFile(LoadFileFilter(language_),
                   [this](std::optional<std::string> path) { LoadChosen(path); });
}

void MmsForm::LoadChosen(const std::optional<std::string>& path) {
  if (!path) return;
  // A file that cannot be used changes nothing, the loaded path included.
  const auto refuse = [&](const std::string& reason) {
    view_.ShowMessage(LoadFailedMessage(*path, reason, language_), MessageIcon::kWarning);
  };
  const Result<std::vector<std::uint8_t>> bytes =
      ReadBoundedFile(PathFromUtf8(*path), kLoadReadLimit, "MMS setting file");
  if (!bytes.ok()) return refuse(bytes.message());
  const LoadOutcome<MmsSettings, MmsField> outcome = LoadMmsSettings(*bytes);
  if (const auto* refusal = std::get_if<LoadRefusal>(&outcome)) {
    return refuse(
        LoadRefusalReason(*refusal, kMmsFileSize, kMmsFileWords, language_));
  }
  const MmsLoaded& loaded = std::get<MmsLoaded>(outcome);

  // The file's mode, with that mode's lists and field states, then its values.
  view_.SetText(kMmsLoadPathEdit, *path);
  if (loaded.settings.mode == kMmsAuto) {
    EnterAutoMode();
    ShowPresetLists(loaded.settings.countryIndex, loaded.settings.operatorIndex);
  } else {
    EnterCustomerMode();
  }
  settings_ = loaded.settings;
  view_.SetSelection(kMmsSmsControlList, settings_.smsControl);
  // A second recipient in the file stays open for editing.
  view_.SetReadOnly(kMmsSecondEdit, !(RecipientsOpenSecond() || !settings_.phoneOrEmail2.empty()));
  PutToControls();
  const std::vector<std::string> lines = FindingLines(loaded.findings, MmsFieldName, language_);
  if (!lines.empty()) {
    view_.ShowMessage(LoadedWithFindingsMessage(*path, lines, language_), MessageIcon::kWarning);
  }
}

}  // namespace quelmo
