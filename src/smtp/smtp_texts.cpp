#include "smtp/smtp_texts.h"

#include "kind/field_exchange.h"
#include "remote_control/remote_control_texts.h"
#include "smtp/gprs_fields.h"
#include "smtp/smtp_controls.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// The English text of each caption of this form alone that captions no field
// (the field table gives those); the catalogues translate it.
constexpr struct {
  ControlId id;
  std::string_view english;
} kCaptions[] = {
    {kAccessPointGroup, "GPRS Operator Setting"},
    {kSenderGroup, "User Information"},
    {kRecipientGroup, "Recipients"},
    {kSmtpSmsControlGroup, "SMS Control Information"},
    {kSmtpLoadButton, "Load configure"},
    {kSmtpTestEmailButton, "Test e-mail"},
};

// ---- Hints: an English text, and the example it names --------------------
// "：" is the full-width colon, in the English hints as well.

constexpr struct {
  ControlId id;
  std::string_view english;
  std::string_view example;  // fills {example}
} kHints[] = {
    {kSmtpServerEdit, "Note：Sender Smtp Server(ex: {example})", "smtp.example.com"},
    {kSmtpPortEdit, "Note：Smtp Server Port(ex: 465)", ""},
    {kRecipientEdit, "Ex: {example}", "me@example.org"},
    {kSmsPhoneEdit, "Note：The phone number can be used as a sms control number", ""},
    {kSmtpSmsControlList, kSmsControlHint, ""},
    {kSenderEmailEdit, "Ex: {example}", "camera@example.com"},
};

}  // namespace

std::vector<ControlCaption> SmtpCaptions(int language_index) {
  std::vector<ControlCaption> captions;
  for (const auto& row : kCaptions) {
    captions.push_back({row.id, Translate(language_index, row.english)});
  }
  AddFieldCaptions(kGprsFields, language_index, [&](ControlId id, std::string_view text) {
    captions.push_back({id, text});
  });
  captions.push_back({kSmtpDailyLimitLabel, DailyLimitCaption(language_index)});
  captions.push_back({kSmtpDailyLimitNote, DailyLimitNote(language_index)});
  captions.push_back({kSmtpSmsControlLabel, SmsControlCaption(language_index)});
  captions.push_back({kSmtpSelectFolderButton, SelectFolderCaption(language_index)});
  captions.push_back({kSmtpSaveButton, SaveCaption(language_index)});
  captions.push_back({kSmtpExitButton, ExitCaption(language_index)});
  return captions;
}

std::vector<std::string> ApnModeEntries(int language_index) {
  return {std::string(Translate(language_index, "Auto")),
          std::string(Translate(language_index, "Customer"))};
}

std::string_view CustomerListEntry(int language_index) {
  return Translate(language_index, "Customer");
}

std::vector<ControlHint> SmtpHints(int language_index) {
  std::vector<ControlHint> hints;
  for (const auto& row : kHints) {
    hints.push_back(
        {row.id, FillIn(Translate(language_index, row.english), {{"example", row.example}})});
  }
  return hints;
}

std::string_view GprsSavedConfirmation(int language_index) {
  return Translate(language_index, "Save All Parameters To GPRS Setting File");
}

std::string_view SmtpPortRangeMessage(int language_index) {
  return Translate(language_index, "The SMTP port must be a number from 1 to 65535.");
}

std::string_view GprsFieldName(GprsField field, int language_index) {
  const std::string_view name =
      FindingNameOf(kGprsFields, static_cast<int>(field), language_index);
  if (!name.empty()) return name;
  // What the reader finds beside the fields.
  static constexpr struct {
    GprsField field;
    std::string_view english;
  } kNames[] = {
      {GprsField::kCameraLanguage, "Camera language"},
      {GprsField::kHeader, "Header"},
      {GprsField::kUserName, "User name"},
      {GprsField::kReservedRecords, "Reserved records"},
  };
  for (const auto& row : kNames) {
    if (row.field == field) return Translate(language_index, row.english);
  }
  return {};
}

}  // namespace quelmo
