#include "mms/mms_texts.h"

#include <algorithm>
#include <iterator>

#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "remote_control/remote_control_texts.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// The English text of each control the form sets; the catalogues translate it.
struct ControlText {
  ControlId id;
  std::string_view context;
  std::string_view english;
};

constexpr ControlText kOwnControlTexts[] = {
    {kMmsModeLabel, {}, "MMS Setting"},
    {kMmsCountryLabel, {}, "Select Country"},
    {kMmsOperatorLabel, {}, "Select Operator"},
    {kMmsUrlLabel, {}, "MMS URL"},
    {kMmsGatewayLabel, {}, "MMS IP"},
    {kMmsPortLabel, "MMS gateway", "Port"},
    {kMmsAccountLabel, {}, "MMS Account"},
    {kMmsPasswordLabel, {}, "MMS Password"},
    {kMmsPhoneLabel, {}, "Phone Number"},
    {kMmsEmailLabel, {}, "Receive Email"},
    {kMmsSecondLabel, {}, "Phone or Email"},
    {kMmsGroup, {}, "MMS Setting"},
    {kMmsRecipientsGroup, {}, "User Information"},
    {kMmsLoadButton, {}, "Load configure"},
    {kMmsParametersGroup, {}, "MMS Parameters"},
};

// The captions the SMTP/GPRS and SMS forms show too, each from its shared table.
struct SharedCaption {
  ControlId id;
  std::string_view (*text)(int language_index);
};

constexpr SharedCaption kSharedCaptions[] = {
    {kMmsPicturesLabel, DailyLimitCaption},
    {kMmsPicturesNote, DailyLimitNote},
    {kMmsSmsControlLabel, SmsControlCaption},
    {kMmsFolderButton, SelectFolderCaption},
    {kMmsSaveButton, SaveCaption},
    {kMmsExitButton, ExitCaption},
};

constexpr ControlId kTextControls[] = {
    kMmsModeLabel,    kMmsCountryLabel,  kMmsOperatorLabel,   kMmsPicturesLabel,
    kMmsPicturesNote, kMmsSmsControlLabel, kMmsUrlLabel,      kMmsGatewayLabel,
    kMmsPortLabel,    kMmsAccountLabel,  kMmsPasswordLabel,   kMmsPhoneLabel,
    kMmsEmailLabel,   kMmsSecondLabel,   kMmsGroup,           kMmsRecipientsGroup,
    kMmsFolderButton, kMmsLoadButton,    kMmsSaveButton,      kMmsExitButton,
    kMmsParametersGroup,
};
static_assert(std::size(kOwnControlTexts) + std::size(kSharedCaptions) == std::size(kTextControls));

}  // namespace

std::span<const ControlId> MmsTextControls() { return kTextControls; }

std::optional<std::string_view> MmsControlText(ControlId id, int language_index) {
  for (const SharedCaption& row : kSharedCaptions) {
    if (row.id == id) return row.text(language_index);
  }
  const auto* row = std::find_if(std::begin(kOwnControlTexts), std::end(kOwnControlTexts),
                                 [id](const ControlText& entry) { return entry.id == id; });
  if (row == std::end(kOwnControlTexts)) return std::nullopt;
  return Translate(language_index, row->context, row->english);
}

std::vector<std::string> MmsModeEntries(int language_index) {
  return {std::string(Translate(language_index, "Auto")),
          std::string(Translate(language_index, "Customer"))};
}

std::string_view MmsCustomerPlaceholder(int language_index) {
  return Translate(language_index, "Customer");
}

std::string_view MmsPhoneHint(int language_index) {
  return Translate(language_index, "Note：The phone number can be used as a sms control number");
}

std::string MmsEmailHint(int language_index) {
  return FillIn(Translate(language_index, "Ex: {example}"), {{"example", "name@example.com"}});
}

std::string_view MmsSavedConfirmation(int language_index) {
  return Translate(language_index, "Save All Parameters To MMS Setting File");
}

std::string MmsPhoneTooLongMessage(int language_index) {
  return FillIn(Translate(language_index, "The max number of phone {limit}!"),
                {{"limit", std::to_string(MmsLimits::kPhone)}});
}

std::string_view MmsFieldName(MmsField field, int language_index) {
  static constexpr struct {
    MmsField field;
    std::string_view english;
  } kNames[] = {
      {MmsField::kMode, "MMS Mode"},
      {MmsField::kCountry, "Country"},
      {MmsField::kOperator, "Operator"},
      {MmsField::kPicturesPerDay, "Pictures per day"},
      {MmsField::kSmsControl, "SMS control"},
      {MmsField::kCameraLanguage, "Camera language"},
      {MmsField::kHeader, "Header"},
      {MmsField::kUrl, "URL"},
      {MmsField::kApn, "APN"},
      {MmsField::kGateway, "Gateway"},
      {MmsField::kPort, "Port"},
      {MmsField::kPhone, "Phone number"},
      {MmsField::kReceiveEmail, "Receive email"},
      {MmsField::kAccount, "Account"},
      {MmsField::kPassword, "Password"},
      {MmsField::kPhoneOrEmail2, "Second recipient"},
      {MmsField::kReservedRecords, "Reserved records"},
  };
  for (const auto& name : kNames) {
    if (name.field == field) return Translate(language_index, name.english);
  }
  return {};
}

std::string MmsTextNotStorableMessage(std::string_view detail, int language_index) {
  return FillIn(
      Translate(language_index, "This field holds a character the camera cannot store: {detail}"),
      {{"detail", detail}});
}

}  // namespace quelmo
