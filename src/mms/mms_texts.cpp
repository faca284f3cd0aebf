#include "mms/mms_texts.h"

#include <algorithm>
#include <iterator>

#include "kind/field_exchange.h"
#include "mms/mms_fields.h"
#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "remote_control/remote_control_texts.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// The English text of each control the form sets that captions no field;
// the catalogues translate it.
struct ControlText {
  ControlId id;
  std::string_view context;
  std::string_view english;
};

// The captions of the fields' labels come from the field table.
constexpr ControlText kOwnControlTexts[] = {
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

// The field labels, then the form's own captions, then the shared ones.
std::vector<ControlId> TextControls() {
  std::vector<ControlId> ids;
  for (const auto& field : kMmsFields) {
    if (PlaceOf(field).label != 0) ids.push_back(PlaceOf(field).label);
  }
  for (const ControlText& row : kOwnControlTexts) ids.push_back(row.id);
  for (const SharedCaption& row : kSharedCaptions) ids.push_back(row.id);
  return ids;
}

}  // namespace

std::span<const ControlId> MmsTextControls() {
  static const std::vector<ControlId> ids = TextControls();
  return ids;
}

std::optional<std::string_view> MmsControlText(ControlId id, int language_index) {
  for (const SharedCaption& row : kSharedCaptions) {
    if (row.id == id) return row.text(language_index);
  }
  for (const auto& field : kMmsFields) {
    const FieldPlace& place = PlaceOf(field);
    if (place.label != 0 && place.label == id) return CaptionOf(place, language_index);
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
  const std::string_view name = FindingNameOf(kMmsFields, static_cast<int>(field), language_index);
  if (!name.empty()) return name;
  // What the reader finds beside the fields.
  static constexpr struct {
    MmsField field;
    std::string_view english;
  } kNames[] = {
      {MmsField::kCameraLanguage, "Camera language"},
      {MmsField::kHeader, "Header"},
      {MmsField::kReservedRecords, "Reserved records"},
  };
  for (const auto& row : kNames) {
    if (row.field == field) return Translate(language_index, row.english);
  }
  return {};
}

std::string MmsTextNotStorableMessage(std::string_view detail, int language_index) {
  return FillIn(
      Translate(language_index, "This field holds a character the camera cannot store: {detail}"),
      {{"detail", detail}});
}

}  // namespace quelmo
