#pragma once
// The fields of mms.dat, each described once: its JSON key, its member of
// MmsSettings, its limit, its place in the file, its control on the MMS form
// (dialog 130) and its caption. The file's reader and writer, the JSON, the
// form, the findings and the operator fill go by this table; a new field is
// one row here, one member in MmsSettings and its controls in the window's
// template.

#include <array>
#include <string>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "kind/field_table.h"
#include "mms/mms_controls.h"
#include "mms/mms_file.h"
#include "mms/mms_settings.h"
#include "presets/mms_or_gprs.h"

namespace quelmo {

// The English entries of the mode and SMS control lists, as JSON names them.
std::vector<std::string> MmsEnglishModes();
std::vector<std::string> MmsEnglishSmsControl();

namespace mms_fields {

using M = MmsSettings;
using L = MmsLimits;
constexpr int Finding(MmsField field) { return static_cast<int>(field); }

// In the order show prints them. Header bytes: 3 and 4 the daily limit's
// tens and units, 8 country, 9 operator, 10 SMS control, 50 the Auto flag.
// The form takes the account first, the folder next, then the others in
// `formOrder`. The APN's label has no id: it keeps the template's text, the
// same in every language.
inline constexpr std::array<SettingsField<M>, 14> kTable{{
    ListField<M>{"mode", &M::mode, &MmsEnglishModes, std::nullopt,
                 {.byte = 50, .control = kMmsModeList, .label = kMmsModeLabel,
                  .caption = "MMS Setting", .findingName = "MMS Mode",
                  .finding = Finding(MmsField::kMode)}},
    IntegerField<M>{kCountryKey, &M::countryIndex, 0, L::kMaxCountry, kManualCountry,
                    {.byte = 8, .control = kMmsCountryList, .label = kMmsCountryLabel,
                     .caption = "Select Country", .findingName = "Country",
                     .finding = Finding(MmsField::kCountry)}},
    IntegerField<M>{kOperatorKey, &M::operatorIndex, 0, L::kMaxOperator, std::nullopt,
                    {.byte = 9, .control = kMmsOperatorList, .label = kMmsOperatorLabel,
                     .caption = "Select Operator", .findingName = "Operator",
                     .finding = Finding(MmsField::kOperator)}},
    StoredTextField<M>{"url", &M::url, L::kUrl, false, false,
                       {.record = 1, .control = kMmsUrlEdit, .label = kMmsUrlLabel,
                        .caption = "MMS URL", .findingName = "URL",
                        .finding = Finding(MmsField::kUrl), .formOrder = 2,
                        .operatorValue = OperatorValue::kUrl}},
    StoredTextField<M>{kApnKey, &M::apn, L::kApn, false, false,
                       {.record = 2, .control = kMmsApnEdit, .caption = "APN",
                        .finding = Finding(MmsField::kApn), .formOrder = 3,
                        .operatorValue = OperatorValue::kApn}},
    StoredTextField<M>{"gateway", &M::gateway, L::kGateway, false, false,
                       {.record = 3, .control = kMmsGatewayEdit, .label = kMmsGatewayLabel,
                        .caption = "MMS IP", .findingName = "Gateway",
                        .finding = Finding(MmsField::kGateway), .formOrder = 5,
                        .operatorValue = OperatorValue::kGateway}},
    StoredTextField<M>{"port", &M::port, L::kPort, false, /*numberAsDigits=*/true,
                       {.record = 4, .control = kMmsPortEdit, .label = kMmsPortLabel,
                        .caption = "Port", .captionContext = "MMS gateway",
                        .findingName = "Port", .finding = Finding(MmsField::kPort),
                        .formOrder = 6, .operatorValue = OperatorValue::kPort}},
    StoredTextField<M>{"account", &M::account, L::kAccount, false, false,
                       {.record = 7, .control = kMmsAccountEdit, .label = kMmsAccountLabel,
                        .caption = "MMS Account", .findingName = "Account",
                        .finding = Finding(MmsField::kAccount), .formOrder = 1,
                        .operatorValue = OperatorValue::kAccount}},
    StoredTextField<M>{"password", &M::password, L::kPassword, /*secret=*/true, false,
                       {.record = 8, .control = kMmsPasswordEdit, .label = kMmsPasswordLabel,
                        .caption = "MMS Password", .findingName = "Password",
                        .finding = Finding(MmsField::kPassword), .formOrder = 4,
                        .operatorValue = OperatorValue::kPassword}},
    // No input limit of its own: a 33rd byte is refused with a message.
    StoredTextField<M>{"phone", &M::phone, L::kPhone, false, false,
                       {.record = 5, .control = kMmsPhoneEdit, .label = kMmsPhoneLabel,
                        .caption = "Phone Number", .findingName = "Phone number",
                        .finding = Finding(MmsField::kPhone), .formOrder = 7,
                        .typedPastLimit = true}},
    StoredTextField<M>{"receiveEmail", &M::receiveEmail, L::kReceiveEmail, false, false,
                       {.record = 6, .control = kMmsEmailEdit, .label = kMmsEmailLabel,
                        .caption = "Recieve Email", .findingName = "Receive email",
                        .finding = Finding(MmsField::kReceiveEmail), .formOrder = 9}},
    StoredTextField<M>{"phoneOrEmail2", &M::phoneOrEmail2, L::kPhoneOrEmail2, false, false,
                       {.record = 9, .control = kMmsSecondEdit, .label = kMmsSecondLabel,
                        .caption = "Phone or Email", .findingName = "Second recipient",
                        .finding = Finding(MmsField::kPhoneOrEmail2), .formOrder = 8}},
    IntegerField<M>{kPicturesPerDayKey, &M::picturesPerDay, 0, 99, std::nullopt,
                    {.byte = 3, .control = kMmsPicturesEdit, .findingName = "Pictures per day",
                     .finding = Finding(MmsField::kPicturesPerDay)}},
    ListField<M>{kSmsControlKey, &M::smsControl, &MmsEnglishSmsControl, std::nullopt,
                 {.byte = 10, .control = kMmsSmsControlList, .findingName = "SMS control",
                  .finding = Finding(MmsField::kSmsControl)}},
}};

// Record 10 is reserved: gprs.dat keeps its recipient there.
inline constexpr std::size_t kReservedRecord = kMmsOrGprsRecord;
// The form takes the account before the folder field, the others after it.
inline constexpr int kTakenBeforeFolder = 1;

static_assert(FieldsAreDistinct<M>(kTable));
static_assert(TextsFitRecords<M>(kTable, 1, kReservedRecord - 1));
static_assert(ValuesFitHeader<M>(kTable));
static_assert(FieldsMatchWindow<M>(kTable, [](int id) {
  return DialogControlKind(kMmsDialogResource, id);
}));

}  // namespace mms_fields

inline constexpr FieldTable<MmsSettings> kMmsFields = mms_fields::kTable;

}  // namespace quelmo
