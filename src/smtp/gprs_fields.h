#pragma once
// The fields of gprs.dat, each described once: its JSON key, its member of
// GprsSettings, its limit, its place in the file, its control on the
// SMTP/GPRS form (dialog 147) and its caption. The file's reader and writer,
// the JSON, the form, the findings and the operator fill go by this table; a
// new field is one row here, one member in GprsSettings and its controls in
// the window's template.

#include <array>
#include <string>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "kind/field_table.h"
#include "presets/mms_or_gprs.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_settings.h"
#include "smtp/smtp_controls.h"

namespace quelmo {

// The English entries of the mode and SMS control lists, as JSON names them.
std::vector<std::string> GprsEnglishModes();
std::vector<std::string> GprsEnglishSmsControl();

namespace gprs_fields {

using G = GprsSettings;
using L = GprsLimits;
constexpr int Finding(GprsField field) { return static_cast<int>(field); }

// In the order show prints them. Header bytes: 1 operator, 2 country, 3 and
// 4 the daily limit's tens and units, 8 SMS control, 50 the Auto flag. The
// form takes its texts in `formOrder`, the recipient first.
inline constexpr std::array<SettingsField<G>, 14> kTable{{
    ListField<G>{"apnMode", &G::apnMode, &GprsEnglishModes, std::nullopt,
                 {.byte = 50, .control = kApnModeList, .label = kApnModeLabel,
                  .caption = "GPRS Setting", .findingName = "APN mode",
                  .finding = Finding(GprsField::kMode)}},
    IntegerField<G>{kCountryKey, &G::countryIndex, 0, L::kMaxCountry, kGprsCustomerCountry,
                    {.byte = 2, .control = kCountryList, .label = kCountryLabel,
                     .caption = "Select Country", .findingName = "Country",
                     .finding = Finding(GprsField::kCountry)}},
    IntegerField<G>{kOperatorKey, &G::operatorIndex, 0, L::kMaxOperator, std::nullopt,
                    {.byte = 1, .control = kOperatorList, .label = kOperatorLabel,
                     .caption = "Select Operator", .findingName = "Operator",
                     .finding = Finding(GprsField::kOperator)}},
    IntegerField<G>{kPicturesPerDayKey, &G::picturesPerDay, 0, 99, std::nullopt,
                    {.byte = 3, .control = kSmtpDailyLimitEdit, .findingName = "Pictures per day",
                     .finding = Finding(GprsField::kPicturesPerDay)}},
    StoredTextField<G>{kApnKey, &G::apn, L::kApn, false, false,
                       {.record = 1, .control = kApnEdit, .label = kApnLabel,
                        .caption = "GPRS APN", .finding = Finding(GprsField::kApn),
                        .formOrder = 7, .operatorValue = OperatorValue::kApn}},
    StoredTextField<G>{"gprsAccount", &G::gprsAccount, L::kGprsAccount, false, false,
                       {.record = 2, .control = kGprsAccountEdit, .label = kGprsAccountLabel,
                        .caption = "GPRS Account", .finding = Finding(GprsField::kGprsAccount),
                        .formOrder = 6, .operatorValue = OperatorValue::kAccount}},
    StoredTextField<G>{"gprsPassword", &G::gprsPassword, L::kGprsPassword, /*secret=*/true, false,
                       {.record = 3, .control = kGprsPasswordEdit, .label = kGprsPasswordLabel,
                        .caption = "GPRS Password", .finding = Finding(GprsField::kGprsPassword),
                        .formOrder = 8, .operatorValue = OperatorValue::kPassword}},
    StoredTextField<G>{"smtpServer", &G::smtpServer, L::kSmtpServer, false, false,
                       {.record = 4, .control = kSmtpServerEdit, .label = kSmtpServerLabel,
                        .caption = "Email Server", .finding = Finding(GprsField::kSmtpServer),
                        .formOrder = 4}},
    StoredTextField<G>{"smtpPort", &G::smtpPort, L::kSmtpPort, false, /*numberAsDigits=*/true,
                       {.record = 5, .control = kSmtpPortEdit, .label = kSmtpPortLabel,
                        .caption = "Port", .finding = Finding(GprsField::kSmtpPort),
                        .formOrder = 5}},
    StoredTextField<G>{"senderEmail", &G::senderEmail, L::kSenderEmail, false, false,
                       {.record = 6, .control = kSenderEmailEdit, .label = kSenderEmailLabel,
                        .caption = "Sender Email", .finding = Finding(GprsField::kSenderEmail),
                        .formOrder = 2}},
    StoredTextField<G>{"senderPassword", &G::senderPassword, L::kSenderPassword, /*secret=*/true,
                       false,
                       {.record = 7, .control = kSenderPasswordEdit, .label = kSenderPasswordLabel,
                        .caption = "Sender Password",
                        .finding = Finding(GprsField::kSenderPassword), .formOrder = 3}},
    StoredTextField<G>{"recipientEmail", &G::recipientEmail, L::kRecipientEmail, false, false,
                       {.record = 10, .control = kRecipientEdit, .label = kRecipientLabel,
                        .caption = "Receive Email",
                        .finding = Finding(GprsField::kRecipientEmail), .formOrder = 1}},
    StoredTextField<G>{"smsControlPhone", &G::smsControlPhone, L::kSmsControlPhone, false, false,
                       {.record = 8, .control = kSmsPhoneEdit, .label = kSmsPhoneLabel,
                        .caption = "Phone Number",
                        .finding = Finding(GprsField::kSmsControlPhone), .formOrder = 9,
                        .keptOnModeChange = true}},
    ListField<G>{kSmsControlKey, &G::smsControl, &GprsEnglishSmsControl, std::nullopt,
                 {.byte = 8, .control = kSmtpSmsControlList,
                  .findingName = "SMS control", .finding = Finding(GprsField::kSmsControl)}},
}};

// Record 9 holds the user name derived from the sender address, no field.
inline constexpr std::size_t kUserNameRecord = 9;

static_assert(FieldsAreDistinct<G>(kTable));
static_assert(TextsFitRecords<G>(kTable, 1, kGprsDataRecords - 1));
static_assert(ValuesFitHeader<G>(kTable));
static_assert(FieldsMatchWindow<G>(kTable, [](int id) {
  return DialogControlKind(kSmtpDialogResource, id);
}));
// The recipient is what tells gprs.dat from mms.dat.
static_assert(PlaceOf<G>(kTable, &G::recipientEmail).record == kMmsOrGprsRecord);
static_assert([] {
  for (const auto& field : kTable) {
    if (PlaceOf(field).record == kUserNameRecord) return false;
  }
  return true;
}());

}  // namespace gprs_fields

inline constexpr FieldTable<GprsSettings> kGprsFields = gprs_fields::kTable;

}  // namespace quelmo
