#include "smtp/gprs_file.h"

#include <array>
#include <string_view>
#include <variant>

#include "record/record_reading.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"
#include "smtp/gprs_fields.h"

namespace quelmo {
namespace {

using G = GprsSettings;

constexpr std::size_t kOperatorByte = PlaceOf<G>(kGprsFields, &G::operatorIndex).byte;
constexpr std::size_t kCountryByte = PlaceOf<G>(kGprsFields, &G::countryIndex).byte;
constexpr std::size_t kTensByte = PlaceOf<G>(kGprsFields, &G::picturesPerDay).byte;
constexpr std::size_t kUnitsByte = kTensByte + 1;
constexpr std::size_t kLanguageByte = 5;
constexpr std::size_t kFirstAlwaysOneByte = 6;
constexpr std::size_t kSecondAlwaysOneByte = 7;
constexpr std::size_t kSmsControlByte = PlaceOf<G>(kGprsFields, &G::smsControl).byte;
constexpr std::size_t kAutoFlagByte = PlaceOf<G>(kGprsFields, &G::apnMode).byte;
constexpr std::string_view kModeKey = KeyOf<G>(kGprsFields, &G::apnMode);
constexpr std::uint8_t kCustomerCountryByte = kGprsCustomerCountry;
constexpr std::size_t kUserNameRecord = gprs_fields::kUserNameRecord;
constexpr int kLastSmsControl = kSmsControlOff;  // "Off" ends the list

// The text fields in record order, as the file holds them.
template <typename Visit>
void ForEachText(Visit visit) {
  for (const StoredTextField<G>* text : TextFieldsByRecord(kGprsFields)) visit(*text);
}

GprsField FindingOf(const StoredTextField<G>& text) {
  return static_cast<GprsField>(text.place.finding);
}

using Notes = FindingNotes<GprsField>;

// Notes what reading one text found.
void NoteText(const TextReading& read, GprsField field, Notes& notes) {
  notes.NoteIf(read.cut, FindingKind::kTextCut, field);
  notes.NoteIf(read.strayBytes, FindingKind::kStrayBytes, field);
  notes.NoteIf(read.notGbk, FindingKind::kNotGbk, field);
}

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::string HeaderByte(std::size_t position, std::string_view name) {
  return "record 0 byte " + std::to_string(position) + " (" + std::string(name) + ")";
}

std::string RecordName(std::size_t record, std::string_view name) {
  return "record " + std::to_string(record) + " (" + std::string(name) + ")";
}

SettingRecord BuildHeader(const GprsSettings& settings, int camera_language) {
  const bool customer = settings.apnMode == kApnCustomer;
  SettingRecord header = ValueRecord();
  header[kOperatorByte] = LowByte(customer ? 0 : settings.operatorIndex);
  header[kCountryByte] = customer ? kCustomerCountryByte : LowByte(settings.countryIndex);
  header[kTensByte] = LowByte(settings.picturesPerDay / 10);
  header[kUnitsByte] = LowByte(settings.picturesPerDay % 10);
  header[kLanguageByte] = LowByte(camera_language);
  header[kFirstAlwaysOneByte] = 1;
  header[kSecondAlwaysOneByte] = 1;
  header[kSmsControlByte] = LowByte(settings.smsControl);
  header[kAutoFlagByte] = customer ? 0 : 1;
  return header;
}

void ReadHeader(const SettingRecord& stored, GprsFileContents& contents, Notes& notes) {
  Problems& warnings = contents.integrity.warnings;
  SettingRecord header = stored;
  SwapNibbles(header);
  GprsSettings& settings = contents.settings;

  CheckFixedByte(header[0], 0, HeaderByte(0, "reserved"), warnings);
  notes.Note(FindingKind::kStrayBytes, GprsField::kHeader);
  const std::uint8_t auto_flag = header[kAutoFlagByte];
  if (auto_flag > 1) {
    warnings.push_back(HeaderByte(kAutoFlagByte, kModeKey) + ": " + std::to_string(auto_flag) +
                       " is neither 1 (Auto) nor 0 (Customer), read as Auto");
  }
  notes.Note(FindingKind::kOutsideList, GprsField::kMode);
  settings.apnMode = auto_flag != 0 ? kApnAuto : kApnCustomer;
  if (settings.apnMode == kApnCustomer) {
    // The Customer lists hold one entry, so both selections are 0.
    CheckFixedByte(header[kOperatorByte], 0, HeaderByte(kOperatorByte, "operatorIndex"),
                   warnings);
    notes.Note(FindingKind::kStrayBytes, GprsField::kOperator);
    CheckFixedByte(header[kCountryByte], kCustomerCountryByte,
                   HeaderByte(kCountryByte, "countryIndex"), warnings);
    notes.Note(FindingKind::kStrayBytes, GprsField::kCountry);
  } else {
    settings.operatorIndex =
        ReadListIndex(header[kOperatorByte], GprsLimits::kMaxOperator, 0,
                      HeaderByte(kOperatorByte, "operatorIndex"), warnings);
    notes.Note(FindingKind::kOutsideList, GprsField::kOperator);
    settings.countryIndex = ReadListIndex(header[kCountryByte], GprsLimits::kMaxCountry, 0,
                                          HeaderByte(kCountryByte, "countryIndex"), warnings);
    notes.Note(FindingKind::kOutsideList, GprsField::kCountry);
  }
  settings.picturesPerDay = ReadPicturesPerDay(header[kTensByte], header[kUnitsByte], warnings);
  notes.Note(FindingKind::kOutsideList, GprsField::kPicturesPerDay);
  contents.cameraLanguage = ReadCameraLanguage(
      header[kLanguageByte], HeaderByte(kLanguageByte, kCameraLanguageKey), warnings);
  notes.Note(FindingKind::kUnusualCameraLanguage, GprsField::kCameraLanguage);
  CheckFixedByte(header[kFirstAlwaysOneByte], 1, HeaderByte(kFirstAlwaysOneByte, "always 1"),
                 warnings);
  CheckFixedByte(header[kSecondAlwaysOneByte], 1, HeaderByte(kSecondAlwaysOneByte, "always 1"),
                 warnings);
  notes.Note(FindingKind::kStrayBytes, GprsField::kHeader);
  settings.smsControl = ReadListIndex(header[kSmsControlByte], kLastSmsControl, kLastSmsControl,
                                      HeaderByte(kSmsControlByte, kSmsControlKey), warnings);
  notes.Note(FindingKind::kOutsideList, GprsField::kSmsControl);
  CheckZeroBytes(header, kSmsControlByte + 1, kAutoFlagByte - 1, "record 0", warnings);
  CheckZeroBytes(header, kAutoFlagByte + 1, kTextLengthByte, "record 0", warnings);
  notes.Note(FindingKind::kStrayBytes, GprsField::kHeader);
}

}  // namespace

std::vector<SettingRecord> BuildGprsRecords(const GprsSettings& settings, int camera_language) {
  std::vector<SettingRecord> records(kGprsDataRecords);
  records[0] = BuildHeader(settings, camera_language);
  ForEachText([&](const StoredTextField<G>& text) {
    records[text.place.record] = TextRecord(settings.*text.member);
  });
  records[kUserNameRecord] = TextRecord(SenderUserName(settings.senderEmail));
  return records;
}

std::vector<std::uint8_t> GprsFileBytes(const GprsSettings& settings, int camera_language) {
  return ScrambledFileBytes(BuildGprsRecords(settings, camera_language),
                            TrailingRecord::kReserved);
}

std::vector<NamedTextRecord> GprsTextRecords() { return TextRecordsOf(kGprsFields); }

GprsFileContents ReadGprsFile(std::span<const std::uint8_t> bytes) {
  GprsFileContents contents;
  contents.integrity = CheckScrambledFrame(bytes, kGprsDataRecords, TrailingRecord::kReserved);
  Problems& warnings = contents.integrity.warnings;
  Notes notes(warnings, contents.findings);
  // The frame's own warnings: bytes of the check and reserved records.
  notes.NoteIf(!warnings.empty(), FindingKind::kStrayBytes, GprsField::kReservedRecords);
  ReadHeader(RecordAt(bytes, 0), contents, notes);
  ForEachText([&](const StoredTextField<G>& text) {
    const std::size_t record = text.place.record;
    TextReading read = ReadCheckedText(RecordAt(bytes, record), RecordName(record, text.key),
                                       text.byteLimit, warnings);
    NoteText(read, FindingOf(text), notes);
    contents.settings.*text.member = std::move(read.bytes);
  });
  // The user name is derived from the sender address on every save; one that
  // disagrees means the file was not written by this program or was damaged.
  const TextReading user_name =
      ReadCheckedText(RecordAt(bytes, kUserNameRecord), RecordName(kUserNameRecord, "user name"),
                      kMaxTextBytes, warnings);
  NoteText(user_name, GprsField::kUserName, notes);
  if (user_name.bytes != SenderUserName(contents.settings.senderEmail)) {
    warnings.push_back(RecordName(kUserNameRecord, "user name") +
                       ": does not match the sender address up to its \"@\"");
  }
  notes.Note(FindingKind::kDisagrees, GprsField::kUserName);
  return contents;
}

std::string* GprsText(GprsSettings& settings, GprsField field) {
  const auto* text = TextFieldOfFinding(kGprsFields, static_cast<int>(field));
  return text != nullptr ? &(settings.*text->member) : nullptr;
}

Status WriteGprsFile(FileSystem& files, const std::filesystem::path& folder,
                     const GprsSettings& settings, int camera_language) {
  return StagedWrite(files, folder, kGprsFileName, BuildGprsRecords(settings, camera_language),
                     TrailingRecord::kReserved);
}

}  // namespace quelmo
