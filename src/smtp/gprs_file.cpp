#include "smtp/gprs_file.h"

#include <array>

#include "record/record_reading.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"

namespace quelmo {
namespace {

constexpr std::size_t kOperatorByte = 1;
constexpr std::size_t kCountryByte = 2;
constexpr std::size_t kTensByte = 3;
constexpr std::size_t kUnitsByte = 4;
constexpr std::size_t kLanguageByte = 5;
constexpr std::size_t kFirstAlwaysOneByte = 6;
constexpr std::size_t kSecondAlwaysOneByte = 7;
constexpr std::size_t kSmsControlByte = 8;
constexpr std::size_t kAutoFlagByte = 50;
constexpr std::uint8_t kCustomerCountryByte = kGprsCustomerCountry;
constexpr std::size_t kUserNameRecord = 9;
constexpr int kLastSmsControl = kSmsControlOff;  // "Off" ends the list

// Records 1..10 in file order; record 9 holds the derived user name.
struct GprsTextRecord {
  std::size_t record;
  const char* name;
  GprsField id;
  std::string GprsSettings::*field;
  std::size_t limit;
};
constexpr std::array<GprsTextRecord, 9> kGprsTexts{{
    {1, "apn", GprsField::kApn, &GprsSettings::apn, GprsLimits::kApn},
    {2, "gprsAccount", GprsField::kGprsAccount, &GprsSettings::gprsAccount,
     GprsLimits::kGprsAccount},
    {3, "gprsPassword", GprsField::kGprsPassword, &GprsSettings::gprsPassword,
     GprsLimits::kGprsPassword},
    {4, "smtpServer", GprsField::kSmtpServer, &GprsSettings::smtpServer, GprsLimits::kSmtpServer},
    {5, "smtpPort", GprsField::kSmtpPort, &GprsSettings::smtpPort, GprsLimits::kSmtpPort},
    {6, "senderEmail", GprsField::kSenderEmail, &GprsSettings::senderEmail,
     GprsLimits::kSenderEmail},
    {7, "senderPassword", GprsField::kSenderPassword, &GprsSettings::senderPassword,
     GprsLimits::kSenderPassword},
    {8, "smsControlPhone", GprsField::kSmsControlPhone, &GprsSettings::smsControlPhone,
     GprsLimits::kSmsControlPhone},
    {10, "recipientEmail", GprsField::kRecipientEmail, &GprsSettings::recipientEmail,
     GprsLimits::kRecipientEmail},
}};

using Notes = FindingNotes<GprsField>;

// Notes what reading one text found.
void NoteText(const TextReading& read, GprsField field, Notes& notes) {
  notes.NoteIf(read.cut, FindingKind::kTextCut, field);
  notes.NoteIf(read.strayBytes, FindingKind::kStrayBytes, field);
  notes.NoteIf(read.notGbk, FindingKind::kNotGbk, field);
}

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::string HeaderByte(std::size_t position, const char* name) {
  return "record 0 byte " + std::to_string(position) + " (" + name + ")";
}

std::string RecordName(std::size_t record, const char* name) {
  return "record " + std::to_string(record) + " (" + name + ")";
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
    warnings.push_back(HeaderByte(kAutoFlagByte, "apnMode") + ": " + std::to_string(auto_flag) +
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
      header[kLanguageByte], HeaderByte(kLanguageByte, "cameraLanguage"), warnings);
  notes.Note(FindingKind::kUnusualCameraLanguage, GprsField::kCameraLanguage);
  CheckFixedByte(header[kFirstAlwaysOneByte], 1, HeaderByte(kFirstAlwaysOneByte, "always 1"),
                 warnings);
  CheckFixedByte(header[kSecondAlwaysOneByte], 1, HeaderByte(kSecondAlwaysOneByte, "always 1"),
                 warnings);
  notes.Note(FindingKind::kStrayBytes, GprsField::kHeader);
  settings.smsControl = ReadListIndex(header[kSmsControlByte], kLastSmsControl, kLastSmsControl,
                                      HeaderByte(kSmsControlByte, "smsControl"), warnings);
  notes.Note(FindingKind::kOutsideList, GprsField::kSmsControl);
  CheckZeroBytes(header, kSmsControlByte + 1, kAutoFlagByte - 1, "record 0", warnings);
  CheckZeroBytes(header, kAutoFlagByte + 1, kTextLengthByte, "record 0", warnings);
  notes.Note(FindingKind::kStrayBytes, GprsField::kHeader);
}

}  // namespace

std::vector<SettingRecord> BuildGprsRecords(const GprsSettings& settings, int camera_language) {
  std::vector<SettingRecord> records(kGprsDataRecords);
  records[0] = BuildHeader(settings, camera_language);
  for (const GprsTextRecord& text : kGprsTexts) records[text.record] = TextRecord(settings.*text.field);
  records[kUserNameRecord] = TextRecord(SenderUserName(settings.senderEmail));
  return records;
}

std::vector<std::uint8_t> GprsFileBytes(const GprsSettings& settings, int camera_language) {
  return ScrambledFileBytes(BuildGprsRecords(settings, camera_language),
                            TrailingRecord::kReserved);
}

std::vector<NamedTextRecord> GprsTextRecords() {
  std::vector<NamedTextRecord> records;
  for (const GprsTextRecord& text : kGprsTexts) records.push_back({text.record, text.name});
  return records;
}

GprsFileContents ReadGprsFile(std::span<const std::uint8_t> bytes) {
  GprsFileContents contents;
  contents.integrity = CheckScrambledFrame(bytes, kGprsDataRecords, TrailingRecord::kReserved);
  Problems& warnings = contents.integrity.warnings;
  Notes notes(warnings, contents.findings);
  // The frame's own warnings: bytes of the check and reserved records.
  notes.NoteIf(!warnings.empty(), FindingKind::kStrayBytes, GprsField::kReservedRecords);
  ReadHeader(RecordAt(bytes, 0), contents, notes);
  for (const GprsTextRecord& text : kGprsTexts) {
    TextReading read = ReadCheckedText(RecordAt(bytes, text.record),
                                       RecordName(text.record, text.name), text.limit, warnings);
    NoteText(read, text.id, notes);
    contents.settings.*text.field = std::move(read.bytes);
  }
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
  for (const GprsTextRecord& text : kGprsTexts) {
    if (text.id == field) return &(settings.*text.field);
  }
  return nullptr;
}

Status WriteGprsFile(FileSystem& files, const std::filesystem::path& folder,
                     const GprsSettings& settings, int camera_language) {
  return StagedWrite(files, folder, kGprsFileName, BuildGprsRecords(settings, camera_language),
                     TrailingRecord::kReserved);
}

}  // namespace quelmo
