#include "smtp/gprs_load.h"

#include <string_view>

#include "record/setting_record.h"
#include "smtp/gprs_file.h"
#include "smtp/gprs_presets.h"
#include "text/gbk.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::size_t kFirstAlwaysOneByte = 6;
constexpr std::size_t kSecondAlwaysOneByte = 7;
constexpr std::size_t kRecipientRecord = 10;

// mms.dat has the same size. Its header keeps the TV mode where gprs.dat
// always has 1, and its record 10 is reserved (empty) where gprs.dat holds
// the recipient, which every save requires.
bool LooksLikeGprs(std::span<const std::uint8_t> bytes) {
  SettingRecord header = RecordAt(bytes, 0);
  SwapNibbles(header);
  const SettingRecord recipient = RecordAt(bytes, kRecipientRecord);
  return header[kFirstAlwaysOneByte] == 1 && header[kSecondAlwaysOneByte] == 1 &&
         recipient[kTextLengthByte] != 0;
}

struct LoadedText {
  std::size_t record;
  std::string GprsSettings::*field;
};
// The password of record 7 is left out on purpose: it is never loaded.
constexpr LoadedText kLoadedTexts[] = {
    {1, &GprsSettings::apn},           {2, &GprsSettings::gprsAccount},
    {3, &GprsSettings::gprsPassword},  {4, &GprsSettings::smtpServer},
    {5, &GprsSettings::smtpPort},      {6, &GprsSettings::senderEmail},
    {8, &GprsSettings::smsControlPhone}, {10, &GprsSettings::recipientEmail},
};

// A text the form can edit: its UTF-8, or empty (and said so) when its bytes
// are not GBK, rather than escapes that a later save would store.
void ToFormText(std::string& text, std::size_t record, std::vector<std::string>& problems) {
  Result<std::string> utf8 = GbkToUtf8(text);
  if (utf8.ok()) {
    text = std::move(utf8).value();
    return;
  }
  text.clear();
  const std::string prefix = "record " + std::to_string(record) + " ";
  for (std::string& problem : problems) {
    if (problem.starts_with(prefix) && problem.find("not valid GBK") != std::string::npos) {
      problem += "; left empty";
      return;
    }
  }
  problems.push_back("record " + std::to_string(record) + ": not valid GBK text; left empty");
}

}  // namespace

std::variant<GprsLoaded, GprsLoadRefusal> LoadGprsSettings(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kGprsFileSize) {
    return GprsLoadRefusal{GprsLoadRefusal::kWrongSize, bytes.size()};
  }
  if (!LooksLikeGprs(bytes)) return GprsLoadRefusal{GprsLoadRefusal::kNotGprs, bytes.size()};

  GprsFileContents contents = ReadGprsFile(bytes);
  GprsLoaded loaded{std::move(contents.settings), std::move(contents.integrity.problems)};
  // Damage first, then the unusual values: the form shows them all.
  loaded.problems.insert(loaded.problems.end(), contents.integrity.warnings.begin(),
                         contents.integrity.warnings.end());
  GprsSettings& settings = loaded.settings;
  settings.senderPassword.clear();
  if (settings.apnMode == kApnAuto &&
      FindGprsPreset(settings.countryIndex, settings.operatorIndex) == nullptr) {
    loaded.problems.push_back(
        "record 0 byte 1 (operatorIndex): " + std::to_string(settings.operatorIndex) +
        " is past the operators of " + std::string(GprsEnglishCountryName(settings.countryIndex)) +
        ", read as 0");
    settings.operatorIndex = 0;
  }
  for (const LoadedText& text : kLoadedTexts) {
    ToFormText(settings.*text.field, text.record, loaded.problems);
  }
  return loaded;
}

std::string GprsLoadRefusalReason(const GprsLoadRefusal& refusal, int language_index) {
  const bool chinese = language_index == kChinese;
  const std::string size = std::to_string(refusal.size);
  const std::string expected = std::to_string(kGprsFileSize);
  if (refusal.kind == GprsLoadRefusal::kWrongSize) {
    return chinese ? "文件长度为" + size + "字节，GPRS配置文件应为" + expected + "字节。"
                   : "The file is " + size + " bytes long; a GPRS setting file has " + expected +
                         " bytes.";
  }
  return chinese ? "这不是GPRS配置文件（可能是MMS配置文件）。"
                 : "This is not a GPRS setting file (it may be an MMS setting file).";
}

}  // namespace quelmo
