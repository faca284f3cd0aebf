#include "sms/sms_texts.h"

#include <array>
#include <iterator>

#include "remote_control/remote_control_texts.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
using LanguageRow = std::array<const char*, kLanguageCount>;

struct OwnCaption {
  ControlId id;
  LanguageRow texts;
};

// The captions only this form has: the three numbers.
constexpr OwnCaption kOwnCaptions[] = {
    {kSmsPhone1Label,
     {"手机号码 1", "Phone Number 1", "Telefonnummer 1", "puhelinnumero 1", "No. Telefono 1",
      "No telephone 1", "Telefonsz. 1", "Telefonska st. 1", "Tel. Cislo 1", "電話 01",
      "Telefono Nr. 1"}},
    {kSmsPhone2Label,
     {"手机号码 2", "Phone Number 2", "Telefonnummer 2", "puhelinnumero 2", "No. Telefono 2",
      "No telephone 2", "Telefonsz. 2", "Telefonska st. 2", "Tel. Cislo 2", "電話 02",
      "Telefono Nr. 2"}},
    {kSmsPhone3Label,
     {"手机号码 3", "Phone Number 3", "Telefonnummer 3", "puhelinnumero 3", "No. Telefono 3",
      "No telephone 3", "Telefonsz. 3", "Telefonska st. 3", "Tel. Cislo 3", "電話 03",
      "Telefono Nr. 3"}},
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
    if (row.id == id) {
      return row.texts[static_cast<std::size_t>(ShownLanguage(language_index) - 1)];
    }
  }
  for (const SharedCaption& row : kSharedCaptions) {
    if (row.id == id) return row.text(language_index);
  }
  return std::nullopt;
}

std::string_view SmsPhoneNumberHint(int language_index) {
  return language_index == kChinese
             ? "注意：手机号码1可以作为远程短信控制号码"
             : "Note：The phone number 1 can be used as a remote control number";
}

std::string_view SmsSavedConfirmation(int language_index) {
  return language_index == kChinese ? "短信设置文件已生成" : "Save SMS configuration file";
}

}  // namespace quelmo
