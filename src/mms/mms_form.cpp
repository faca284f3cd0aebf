#include "mms/mms_form.h"

#include <climits>
#include <optional>
#include <span>
#include <string_view>

#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "kind/field_exchange.h"
#include "mms/mms_checks.h"
#include "mms/mms_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_load.h"
#include "mms/mms_operator_fill.h"
#include "mms/mms_preset_table.h"
#include "mms/mms_presets.h"
#include "mms/mms_texts.h"
#include "platform/file_system.h"
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

using M = MmsSettings;

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// The operator database's values, one per parameter of the presets.
PresetOperatorFill FillFromOperator(const OperatorProvider& provider) {
  MmsOperatorFill fill = FillMmsFromOperator(provider);
  PresetOperatorFill values{{}, std::move(fill.findings)};
  for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
    values.values.push_back(FilledValue(fill.values, field->place.operatorValue));
  }
  return values;
}

const PresetKind& MmsPresetKind() {
  static const PresetKind kind{kMmsModeList,
                               kMmsCountryList,
                               kMmsOperatorList,
                               kMmsLoadPathEdit,
                               PresetEditsOf(kMmsFields),
                               MmsCountryTable(),
                               MmsOperatorRows(),
                               kMmsChina,
                               /*loadedOperatorsInTableNames=*/false,
                               FillFromOperator};
  return kind;
}

const PresetFile<MmsSettings, MmsField> kMmsPresetFile{
    "MMS setting file",
    kMmsFileSize,
    kMmsFileWords,
    LoadMmsSettings,
    [](const MmsSettings& s) { return PresetChoice{s.mode, s.countryIndex, s.operatorIndex}; },
    MmsFieldName};

}  // namespace

MmsForm::MmsForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      folder_(view, kMmsFolderEdit, context.defaultFolder, language_),
      pictures_(view, kMmsPicturesEdit, 0, kMaxPicturesPerDay, RangeWording::kProgram, language_),
      presets_(view, context, MmsPresetKind(), *this) {}

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

  SetSecondRecipientOpen(false);
  presets_.Open();
}

Next MmsForm::Clicked(ControlId id) {
  switch (id) {
    case kMmsSaveButton:
      Save();
      break;
    case kMmsLoadButton:
      presets_.Load<MmsSettings, MmsField>(
          kMmsPresetFile, [this](const MmsSettings& loaded) { TakeLoaded(loaded); });
      break;
    case kMmsFolderButton:
      folder_.Choose();
      PutToControls();
      break;
    case kMmsExitButton:
      return Next::kLauncher;
    default:
      return PresetChooser::Clicked(id);
  }
  return Next::kStay;
}

Next MmsForm::SelectionChanged(ControlId id) {
  if (id == kMmsSmsControlList) {
    settings_.smsControl = view_.Selection(kMmsSmsControlList);
    TakeFromControls();
  } else {
    presets_.SelectionChanged(id);
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

// ---- The presets ------------------------------------------------------------

std::unique_ptr<FormLogic> MmsForm::MakeWindowOver(Next which, FormView& view) {
  return presets_.MakeWindowOver(which, view);
}

void MmsForm::ClearForModeSwitch() {
  ClearTextsOnModeChange(kMmsFields, settings_);
  SetSecondRecipientOpen(false);
}

void MmsForm::BeforeOperatorFill() {
  // What the user typed elsewhere on the form (the recipients) stays.
  TakeFromControls();
  UpdateSecondRecipient();
}

void MmsForm::PresetChanged(PresetChange /*change*/) {
  const PresetChoice choice = presets_.Choice();
  settings_.mode = choice.mode;
  settings_.countryIndex = choice.mode == kMmsAuto ? choice.country : kManualCountry;
  settings_.operatorIndex = choice.operatorIndex;
  for (const StoredTextField<M>* field : OperatorFields(kMmsFields)) {
    // The presets' values and the finder's fit their fields in GBK.
    Result<std::string> stored = Utf8ToGbk(view_.Text(field->place.control));
    settings_.*field->member = stored.ok() ? std::move(stored).value() : std::string();
  }
  PutToControls();
}

void MmsForm::TakeLoaded(const MmsSettings& loaded) {
  settings_ = loaded;
  view_.SetSelection(kMmsSmsControlList, settings_.smsControl);
  // A second recipient in the file stays open for editing.
  view_.SetReadOnly(kMmsSecondEdit, !(RecipientsOpenSecond() || !settings_.phoneOrEmail2.empty()));
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
    const PresetChoice choice = presets_.Choice();
    chosen.countryIndex = choice.country;
    chosen.operatorIndex = choice.operatorIndex;
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

}  // namespace quelmo
