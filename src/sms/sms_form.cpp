#include "sms/sms_form.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "platform/file_system.h"
#include "remote_control/remote_control_texts.h"
#include "remote_control/sms_control_mode.h"
#include "session/app_state.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "sms/sms_texts.h"
#include "text/gbk.h"

namespace quelmo {
namespace {

constexpr int kMaxDailyLimit = 99;

// The balloon of both remote-control forms: pale green, framed dark green.
constexpr int kHintWidth = 200;
constexpr HintColour kHintFill = Rgb(213, 253, 224);
constexpr HintColour kHintFrame = Rgb(0, 106, 53);


// Opens `follower` while `leader` is long enough to be a number; otherwise
// empties and locks it. True when it was locked.
bool ChainFollower(FormView& view, const std::string& leader, ControlId follower_edit,
                   std::string& follower) {
  const bool open = leader.size() >= SmsLimits::kShortestPhone;
  if (!open) follower.clear();
  view.SetReadOnly(follower_edit, !open);
  return !open;
}

ControlId EditOfCheck(SmsCheck check) {
  switch (check) {
    case SmsCheck::kPhone1:
    case SmsCheck::kPhone1Digits:
      return kSmsPhone1Edit;
    case SmsCheck::kPhone2Length:
    case SmsCheck::kPhone2Digits:
      return kSmsPhone2Edit;
    case SmsCheck::kPhone3Length:
    case SmsCheck::kPhone3Digits:
      return kSmsPhone3Edit;
  }
  return kSmsPhone1Edit;
}

}  // namespace

SmsForm::SmsForm(FormView& view, AppContext& context)
    : view_(view),
      context_(context),
      language_(context.state.languageIndex),
      daily_limit_(view, kSmsDailyLimitEdit, 0, kMaxDailyLimit, RangeWording::kFramework,
                   language_),
      folder_(view, kSmsFolderEdit, context.defaultFolder, context.state.languageIndex) {}

void SmsForm::Open() {
  view_.SetTitle(kModelName);
  hint_.width = kHintWidth;
  hint_.fillColour = kHintFill;
  hint_.frameColour = kHintFrame;

  const auto entries = SmsControlEntries(language_);
  view_.SetItems(kSmsControlList, std::vector<std::string>(entries.begin(), entries.end()));
  view_.SetSelection(kSmsControlList, kSmsControlOff);

  hint_.AddTool(kSmsPhone1Edit, std::string(SmsPhoneNumberHint(language_)));
  hint_.AddTool(kSmsControlList, std::string(SmsControlHint(language_)));

  for (ControlId id : SmsTextControls()) {
    if (const auto text = SmsControlText(id, language_)) view_.SetText(id, *text);
  }

  for (ControlId edit : {kSmsPhone1Edit, kSmsPhone2Edit, kSmsPhone3Edit}) {
    view_.SetByteLimit(edit, SmsLimits::kPhone);
  }
  folder_.Open();
  PutToControls();
  view_.SetReadOnly(kSmsPhone1Edit, false);
  view_.SetReadOnly(kSmsPhone2Edit, true);
  view_.SetReadOnly(kSmsPhone3Edit, true);
}

Next SmsForm::Clicked(ControlId id) {
  switch (id) {
    case kSmsSaveButton:
      Save();
      break;
    case kSmsSelectFolderButton:
      folder_.Choose();
      break;
    case kSmsExitButton:
      return Next::kLauncher;
    default:
      break;
  }
  return Next::kStay;
}

Next SmsForm::SelectionChanged(ControlId id) {
  if (id == kSmsControlList) TakeFromControls();
  return Next::kStay;
}

Next SmsForm::TextEdited(ControlId id) {
  switch (id) {
    case kSmsPhone1Edit:
    case kSmsPhone2Edit:
      TakeFromControls();
      ChainAfter(id);
      PutToControls();
      break;
    case kSmsPhone3Edit:
    case kSmsFolderEdit:
      TakeFromControls();
      break;
    case kSmsDailyLimitEdit:
      GuardDailyLimit();
      break;
    default:
      break;
  }
  return Next::kStay;
}

Next SmsForm::FocusLeft(ControlId id) {
  daily_limit_.Left(id);
  return Next::kStay;
}

SmsSettings SmsForm::CollectSmsSettings() const {
  SmsSettings settings = held_;
  // The list has no edit part, so it always holds an entry; should it ever
  // not, the file says "Off" rather than a stray byte.
  const int selection = view_.Selection(kSmsControlList);
  settings.smsControl = selection >= 0 ? selection : kSmsControlOff;
  return settings;
}

bool SmsForm::TakeFromControls(TakeMode mode) {
  if (!TakePhone(kSmsPhone1Edit, held_.phone1)) return false;
  if (!TakePhone(kSmsPhone2Edit, held_.phone2)) return false;
  if (!TakePhone(kSmsPhone3Edit, held_.phone3)) return false;
  if (mode == TakeMode::kForWrite) {
    return daily_limit_.TakeForWrite(held_.picturesPerDay) && folder_.TakeForWrite();
  }
  return daily_limit_.Take(held_.picturesPerDay) && folder_.Take();
}

bool SmsForm::TakePhone(ControlId edit, std::string& held) {
  const Result<std::string> stored =
      EncodeField("phone number", view_.Text(edit), static_cast<std::size_t>(SmsLimits::kPhone));
  if (!stored) {
    view_.ShowMessage(stored.error().code == ErrorCode::kInvalidArgument
                          ? FrameworkLengthMessage(SmsLimits::kPhone, language_)
                          : stored.message(),
                      MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit);
    return false;
  }
  held = *stored;
  return true;
}

void SmsForm::PutToControls() {
  view_.SetText(kSmsPhone1Edit, GbkToUtf8ForDisplay(held_.phone1));
  view_.SetText(kSmsPhone2Edit, GbkToUtf8ForDisplay(held_.phone2));
  view_.SetText(kSmsPhone3Edit, GbkToUtf8ForDisplay(held_.phone3));
  view_.SetText(kSmsDailyLimitEdit, std::to_string(held_.picturesPerDay));
  folder_.Show();
}

void SmsForm::ChainAfter(ControlId edit) {
  // Emptying number 2 shortens it, so number 3 follows at once.
  if (edit == kSmsPhone1Edit && !ChainFollower(view_, held_.phone1, kSmsPhone2Edit, held_.phone2)) {
    return;
  }
  ChainFollower(view_, held_.phone2, kSmsPhone3Edit, held_.phone3);
}

void SmsForm::GuardDailyLimit() {
  TakeFromControls();
  // A number out of range (after its message) becomes 0 at once; an emptied
  // field stays empty and keeps its value until a number is typed.
  if (daily_limit_.ZeroIfOutOfRange(held_.picturesPerDay)) PutToControls();
}

void SmsForm::Save() {
  // Every field first: what is on screen is what is checked and written.
  if (!TakeFromControls(TakeMode::kForWrite)) return;
  const SmsSettings settings = CollectSmsSettings();
  if (const std::optional<SmsCheck> failed = FirstFailedSmsCheck(settings)) {
    view_.ShowMessage(SmsCheckMessage(*failed, language_));
    view_.FocusAndSelectAll(EditOfCheck(*failed));
    return;
  }
  const std::filesystem::path folder = PathFromUtf8(folder_.folder());
  const Status written =
      WriteSmsFile(context_.files, folder, settings, context_.state.cameraLanguage());
  if (!written.ok()) {
    view_.ShowMessage(SaveFailedMessage(kSmsFileName, folder_.folder(), written.error(), language_),
                      MessageIcon::kWarning);
    return;
  }
  view_.ShowMessage(SavedMessage(SmsSavedConfirmation(language_),
                                 PathToUtf8(folder / std::string(kSmsFileName))));
}

}  // namespace quelmo
