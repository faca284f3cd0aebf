#include "mms/mms_file.h"

#include <string_view>

#include "mms/mms_fields.h"
#include "record/record_reading.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"

namespace quelmo {
namespace {

using M = MmsSettings;

constexpr std::size_t kTensByte = PlaceOf<M>(kMmsFields, &M::picturesPerDay).byte;
constexpr std::size_t kUnitsByte = kTensByte + 1;
constexpr std::size_t kLanguageByte = 5;
constexpr std::size_t kTvModeByte = 6;
constexpr std::size_t kAlwaysOneByte = 7;
constexpr std::size_t kCountryByte = PlaceOf<M>(kMmsFields, &M::countryIndex).byte;
constexpr std::size_t kOperatorByte = PlaceOf<M>(kMmsFields, &M::operatorIndex).byte;
constexpr std::size_t kSmsControlByte = PlaceOf<M>(kMmsFields, &M::smsControl).byte;
constexpr std::size_t kAutoFlagByte = PlaceOf<M>(kMmsFields, &M::mode).byte;
constexpr std::string_view kModeKey = KeyOf<M>(kMmsFields, &M::mode);
constexpr std::size_t kReservedRecord = mms_fields::kReservedRecord;
constexpr int kLastSmsControl = kSmsControlOff;  // "Off" ends the list

using Notes = FindingNotes<MmsField>;

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::string HeaderByte(std::size_t position, std::string_view name) {
  return "record 0 byte " + std::to_string(position) + " (" + std::string(name) + ")";
}

SettingRecord BuildHeader(const MmsSettings& settings, int camera_language, int tv_mode) {
  const bool customer = settings.mode == kMmsCustomer;
  SettingRecord header = ValueRecord();
  header[kTensByte] = LowByte(settings.picturesPerDay / 10);
  header[kUnitsByte] = LowByte(settings.picturesPerDay % 10);
  header[kLanguageByte] = LowByte(camera_language);
  header[kTvModeByte] = LowByte(tv_mode);
  header[kAlwaysOneByte] = 1;
  header[kCountryByte] = LowByte(customer ? kManualCountry : settings.countryIndex);
  header[kOperatorByte] = LowByte(customer ? 0 : settings.operatorIndex);
  header[kSmsControlByte] = LowByte(settings.smsControl);
  header[kAutoFlagByte] = customer ? 0 : 1;
  return header;
}

// Country and operator as the header gives them, held to what a writer makes:
// a preset file names a listed country and operator, a manual file the manual
// country and operator 0.
void ReadChoice(const SettingRecord& header, MmsFileContents& contents, Notes& notes) {
  Problems& warnings = contents.integrity.warnings;
  MmsSettings& settings = contents.settings;
  const std::uint8_t country = header[kCountryByte];
  const std::uint8_t op = header[kOperatorByte];
  if (settings.mode == kMmsCustomer) {
    settings.countryIndex = kManualCountry;
    settings.operatorIndex = 0;
    CheckFixedByte(country, kManualCountry, HeaderByte(kCountryByte, "countryIndex"), warnings);
    notes.Note(FindingKind::kStrayBytes, MmsField::kCountry);
    CheckFixedByte(op, 0, HeaderByte(kOperatorByte, "operatorIndex"), warnings);
    notes.Note(FindingKind::kStrayBytes, MmsField::kOperator);
    return;
  }
  settings.countryIndex = ReadListIndex(country, MmsLimits::kMaxCountry, 0,
                                        HeaderByte(kCountryByte, "countryIndex"), warnings);
  notes.Note(FindingKind::kOutsideList, MmsField::kCountry);
  settings.operatorIndex = ReadListIndex(op, MmsLimits::kMaxOperator, 0,
                                         HeaderByte(kOperatorByte, "operatorIndex"), warnings);
  notes.Note(FindingKind::kOutsideList, MmsField::kOperator);
}

void ReadHeader(const SettingRecord& stored, MmsFileContents& contents, Notes& notes) {
  Problems& warnings = contents.integrity.warnings;
  SettingRecord header = stored;
  SwapNibbles(header);
  MmsSettings& settings = contents.settings;

  CheckZeroBytes(header, 0, kTensByte - 1, "record 0", warnings);
  notes.Note(FindingKind::kStrayBytes, MmsField::kHeader);
  settings.picturesPerDay = ReadPicturesPerDay(header[kTensByte], header[kUnitsByte], warnings);
  notes.Note(FindingKind::kOutsideList, MmsField::kPicturesPerDay);
  contents.cameraLanguage = ReadCameraLanguage(
      header[kLanguageByte], HeaderByte(kLanguageByte, kCameraLanguageKey), warnings);
  notes.Note(FindingKind::kUnusualCameraLanguage, MmsField::kCameraLanguage);
  contents.tvMode = header[kTvModeByte];
  CheckFixedByte(header[kAlwaysOneByte], 1, HeaderByte(kAlwaysOneByte, "always 1"), warnings);
  notes.Note(FindingKind::kStrayBytes, MmsField::kHeader);

  const std::uint8_t auto_flag = header[kAutoFlagByte];
  if (auto_flag > 1) {
    warnings.push_back(HeaderByte(kAutoFlagByte, kModeKey) + ": " + std::to_string(auto_flag) +
                       " is neither 1 (Auto) nor 0 (Customer), read as Auto");
  }
  notes.Note(FindingKind::kOutsideList, MmsField::kMode);
  settings.mode = auto_flag != 0 ? kMmsAuto : kMmsCustomer;
  ReadChoice(header, contents, notes);

  settings.smsControl = ReadListIndex(header[kSmsControlByte], kLastSmsControl, kLastSmsControl,
                                      HeaderByte(kSmsControlByte, kSmsControlKey), warnings);
  notes.Note(FindingKind::kOutsideList, MmsField::kSmsControl);
  CheckZeroBytes(header, kSmsControlByte + 1, kAutoFlagByte - 1, "record 0", warnings);
  CheckZeroBytes(header, kAutoFlagByte + 1, kTextLengthByte, "record 0", warnings);
  notes.Note(FindingKind::kStrayBytes, MmsField::kHeader);
}

}  // namespace

std::vector<SettingRecord> BuildMmsRecords(const MmsSettings& settings, int camera_language,
                                           int tv_mode) {
  std::vector<SettingRecord> records(kMmsDataRecords, EmptyRecord());
  records[0] = BuildHeader(settings, camera_language, tv_mode);
  for (const StoredTextField<M>* text : TextFieldsByRecord(kMmsFields)) {
    records[text->place.record] = TextRecord(settings.*text->member);
  }
  return records;
}

std::vector<std::uint8_t> MmsFileBytes(const MmsSettings& settings, int camera_language,
                                       int tv_mode) {
  return ScrambledFileBytes(BuildMmsRecords(settings, camera_language, tv_mode),
                            TrailingRecord::kReserved);
}

std::vector<NamedTextRecord> MmsTextRecords() { return TextRecordsOf(kMmsFields); }

MmsFileContents ReadMmsFile(std::span<const std::uint8_t> bytes) {
  MmsFileContents contents;
  contents.integrity = CheckScrambledFrame(bytes, kMmsDataRecords, TrailingRecord::kReserved);
  Notes notes(contents.integrity.warnings, contents.findings);
  // The frame's own warnings: bytes of the check and reserved records.
  notes.NoteIf(!contents.integrity.warnings.empty(), FindingKind::kStrayBytes,
               MmsField::kReservedRecords);
  ReadHeader(RecordAt(bytes, 0), contents, notes);
  for (const StoredTextField<M>* text : TextFieldsByRecord(kMmsFields)) {
    const std::size_t index = text->place.record;
    const auto id = static_cast<MmsField>(text->place.finding);
    TextReading read = ReadCheckedText(
        RecordAt(bytes, index), "record " + std::to_string(index) + " (" + std::string(text->key) + ")",
        text->byteLimit, contents.integrity.warnings);
    notes.NoteIf(read.cut, FindingKind::kTextCut, id);
    notes.NoteIf(read.strayBytes, FindingKind::kStrayBytes, id);
    notes.NoteIf(read.notGbk, FindingKind::kNotGbk, id);
    contents.settings.*text->member = std::move(read.bytes);
  }
  CheckZeroBytes(RecordAt(bytes, kReservedRecord), 0, kTextLengthByte, "reserved record 10",
                 contents.integrity.warnings);
  notes.Note(FindingKind::kStrayBytes, MmsField::kReservedRecords);
  return contents;
}

std::string* MmsText(MmsSettings& settings, MmsField field) {
  const auto* text = TextFieldOfFinding(kMmsFields, static_cast<int>(field));
  return text != nullptr ? &(settings.*text->member) : nullptr;
}

Status WriteMmsFile(FileSystem& files, const std::filesystem::path& folder,
                    const MmsSettings& settings, int camera_language, int tv_mode) {
  return StagedWrite(files, folder, kMmsFileName,
                     BuildMmsRecords(settings, camera_language, tv_mode),
                     TrailingRecord::kReserved);
}

}  // namespace quelmo
