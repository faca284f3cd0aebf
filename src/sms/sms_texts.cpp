#include "sms/sms_texts.h"

#include <iterator>

#include "remote_control/remote_control_texts.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// The captions only this form has: the three numbers.
struct OwnCaption {
  ControlId id;
  std::string_view english;
};

constexpr OwnCaption kOwnCaptions[] = {
    {kSmsPhone1Label, "Phone Number 1"},
    {kSmsPhone2Label, "Phone Number 2"},
    {kSmsPhone3Label, "Phone Number 3"},
};

// The captions the SMTP/GPRS form shows too, each from its shared table.
struct SharedCaption {
  ControlId id;
  std::string_view (*text)(int language_index);
};

constexpr SharedCaption kSharedCaptions[] = {
    {kSmsDailyLimitLabel, DailyLimitCaption},
    {kSmsDailyLimitNote, DailyLimitNote},
    {kSmsSaveButton, SaveCaption},
    {kSmsExitButton, ExitCaption},
    {kSmsControlLabel, SmsControlCaption},
    {kSmsSelectFolderButton, SelectFolderCaption},
};

constexpr ControlId kTextControls[] = {
    kSmsDailyLimitLabel, kSmsDailyLimitNote, kSmsPhone1Label, kSmsPhone2Label,
    kSmsPhone3Label,     kSmsSaveButton,     kSmsExitButton,  kSmsControlLabel,
    kSmsSelectFolderButton,
};
static_assert(std::size(kTextControls) == std::size(kOwnCaptions) + std::size(kSharedCaptions));

}  // namespace

std::span<const ControlId> SmsTextControls() { return kTextControls; }

std::optional<std::string_view> SmsControlText(ControlId id, int language_index) {
  for (const OwnCaption& row : kOwnCaptions) {
    if (row.id == id) return Translate(language_index, row.english);
  }
  for (const SharedCaption& row : kSharedCaptions) {
    if (row.id == id) return row.text(language_index);
  }
  return std::nullopt;
}

std::string_view SmsPhoneNumberHint(int language_index) {
  return Translate(language_index,
                   "Note：The phone number 1 can be used as a remote control number");
}

std::string_view SmsSavedConfirmation(int language_index) {
  return Translate(language_index, "Save SMS configuration file");
}

}  // namespace quelmo
