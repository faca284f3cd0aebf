#include "mms/mms_form.h"

#include <optional>
#include <span>
#include <string_view>

#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "mms/mms_checks.h"
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

struct MmsTextField {
  ControlId edit;
  std::string MmsSettings::*field;
  int limit;
};

// Every text field, the six operator parameters first. The phone has no input
// limit of its own: a 33rd character is refused with a message instead.
constexpr MmsTextField kTextFields[] = {
    {kMmsUrlEdit, &MmsSettings::url, MmsLimits::kUrl},
    {kMmsApnEdit, &MmsSettings::apn, MmsLimits::kApn},
    {kMmsGatewayEdit, &MmsSettings::gateway, MmsLimits::kGateway},
    {kMmsPortEdit, &MmsSettings::port, MmsLimits::kPort},
    {kMmsAccountEdit, &MmsSettings::account, MmsLimits::kAccount},
    {kMmsPasswordEdit, &MmsSettings::password, MmsLimits::kPassword},
    {kMmsPhoneEdit, &MmsSettings::phone, MmsLimits::kPhone},
    {kMmsEmailEdit, &MmsSettings::receiveEmail, MmsLimits::kReceiveEmail},
    {kMmsSecondEdit, &MmsSettings::phoneOrEmail2, MmsLimits::kPhoneOrEmail2},
};

constexpr std::size_t kParameterCount = 6;
std::span<const MmsTextField> ParameterFields() {
  return std::span(kTextFields).first(kParameterCount);
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// The six operator parameters for the preset component, in the form's order,
// with the key each value of the operator database is named by. The APN's
// label has no id: the template's own text, the same in every language.
constexpr PresetEdit kParameters[] = {
    {kMmsUrlEdit, &PresetParameters::url, "url", kMmsUrlLabel},
    {kMmsApnEdit, &PresetParameters::apn, "apn", 0, "APN"},
    {kMmsGatewayEdit, &PresetParameters::gateway, "gateway", kMmsGatewayLabel},
    {kMmsPortEdit, &PresetParameters::port, "port", kMmsPortLabel},
    {kMmsAccountEdit, &PresetParameters::account, "account", kMmsAccountLabel},
    {kMmsPasswordEdit, &PresetParameters::password, "password", kMmsPasswordLabel},
};

PresetOperatorFill FillFromOperator(const OperatorProvider& provider) {
  MmsOperatorFill fill = FillMmsFromOperator(provider);
  MmsOperatorValues& v = fill.values;
  return {{v.url, v.apn, v.gateway, v.port, v.account, v.password}, std::move(fill.findings)};
}

const PresetKind& MmsPresetKind() {
  static const PresetKind kind{kMmsModeList,
                               kMmsCountryList,
                               kMmsOperatorList,
                               kMmsLoadPathEdit,
                               kParameters,
                               MmsCountryTable(),
                               MmsOperatorRows(),
                               kMmsChina,
                               /*loadedOperatorsInTableNames=*/false,
                               MmsControlText,
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
  for (const MmsTextField& text : kTextFields) {
    if (text.edit != kMmsPhoneEdit) view_.SetByteLimit(text.edit, text.limit);
  }
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
  using M = MmsSettings;
  using L = MmsLimits;
  return TakeText(kMmsAccountEdit, &M::account, L::kAccount) &&
         (for_write ? folder_.TakeForWrite() : folder_.Take()) &&
         TakeText(kMmsUrlEdit, &M::url, L::kUrl) && TakeText(kMmsApnEdit, &M::apn, L::kApn) &&
         TakeText(kMmsPasswordEdit, &M::password, L::kPassword) &&
         TakeText(kMmsGatewayEdit, &M::gateway, L::kGateway) &&
         TakeText(kMmsPortEdit, &M::port, L::kPort) && TakePhone() &&
         TakeText(kMmsSecondEdit, &M::phoneOrEmail2, L::kPhoneOrEmail2) &&
         TakeText(kMmsEmailEdit, &M::receiveEmail, L::kReceiveEmail) &&
         TakePicturesPerDay(for_write);
  // The load-path field is only shown: nothing reads it back.
}

bool MmsForm::TakeText(ControlId edit, std::string MmsSettings::*field, int limit) {
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
  settings_.*field = std::move(gbk).value();
  return true;
}

bool MmsForm::TakePhone() {
  Result<std::string> gbk = Utf8ToGbk(view_.Text(kMmsPhoneEdit));
  if (!gbk.ok()) {
    view_.ShowMessage(MmsTextNotStorableMessage(gbk.message(), language_), MessageIcon::kWarning);
    view_.FocusAndSelectAll(kMmsPhoneEdit);
    return false;
  }
  // Taken even when too long: the phone handler then empties it.
  settings_.phone = std::move(gbk).value();
  if (static_cast<int>(settings_.phone.size()) > MmsLimits::kPhone) {
    view_.ShowMessage(MmsPhoneTooLongMessage(language_));
    view_.FocusAndSelectAll(kMmsPhoneEdit);
    return false;
  }
  return true;
}

bool MmsForm::TakePicturesPerDay(bool for_write) {
  return for_write ? pictures_.TakeForWrite(settings_.picturesPerDay)
                   : pictures_.Take(settings_.picturesPerDay);
}

void MmsForm::PutToControls() {
  // Valid GBK always: typed texts were converted, a load empties any other.
  for (const MmsTextField& text : kTextFields)
    view_.SetText(text.edit, GbkToUtf8ForDisplay(settings_.*text.field));
  view_.SetText(kMmsPicturesEdit, std::to_string(settings_.picturesPerDay));
}

// ---- The presets ------------------------------------------------------------

std::unique_ptr<FormLogic> MmsForm::MakeWindowOver(Next which, FormView& view) {
  return presets_.MakeWindowOver(which, view);
}

void MmsForm::ClearForModeSwitch() {
  for (std::string* text : {&settings_.receiveEmail, &settings_.phone, &settings_.phoneOrEmail2}) {
    text->clear();
  }
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
  for (const MmsTextField& text : ParameterFields()) {
    // The presets' values and the finder's fit their fields in GBK.
    Result<std::string> stored = Utf8ToGbk(view_.Text(text.edit));
    settings_.*text.field = stored.ok() ? std::move(stored).value() : std::string();
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
