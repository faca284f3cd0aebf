#include "cli/decoded_file.h"

#include "app/app_state.h"
#include "camera/camera_file.h"
#include "record/bounded_read.h"
#include "cli/camera_json.h"
#include "cli/gprs_json.h"
#include "cli/mms_json.h"
#include "cli/other_layout_secrets.h"
#include "cli/sms_json.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

// No save of the form writes settings that fail its own checks, so such a
// file was made or changed by something else, and write would refuse its
// settings. Under a sound frame that is an unusual value, not damage.
template <typename Check>
void ReportFailedSaveCheck(const std::optional<Check>& failed, std::string (*message)(Check, int),
                           FileIntegrity& integrity) {
  if (!failed) return;
  integrity.warnings.push_back("the settings fail the form's save check: " +
                               message(*failed, kEnglish));
}

DecodedFile DecodeLayout(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal) {
  DecodedFile decoded;
  decoded.kind = kind;
  switch (kind) {
    case FileKind::kCamera: {
      const auto contents = ReadCameraFile(bytes);
      decoded.isDefault = contents.isDefault;
      decoded.settings = ShowCameraSettings(contents);
      decoded.integrity = contents.integrity;
      break;
    }
    case FileKind::kMms: {
      const auto contents = ReadMmsFile(bytes);
      decoded.settings = ShowMmsSettings(contents, reveal);
      decoded.integrity = contents.integrity;
      ReportFailedSaveCheck(FirstFailedMmsCheck(contents.settings), &MmsCheckMessage,
                            decoded.integrity);
      break;
    }
    case FileKind::kGprs: {
      const auto contents = ReadGprsFile(bytes);
      decoded.settings = ShowGprsSettings(contents, reveal);
      decoded.integrity = contents.integrity;
      ReportFailedSaveCheck(FirstFailedGprsCheck(contents.settings), &GprsCheckMessage,
                            decoded.integrity);
      break;
    }
    case FileKind::kSms: {
      const auto contents = ReadSmsFile(bytes);
      decoded.settings = ShowSmsSettings(contents);
      decoded.integrity = contents.integrity;
      ReportFailedSaveCheck(FirstFailedSmsCheck(contents.settings), &SmsCheckMessage,
                            decoded.integrity);
      break;
    }
  }
  return decoded;
}

}  // namespace

DecodedFile DecodeSettingBytes(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal) {
  DecodedFile decoded = DecodeLayout(kind, bytes, reveal);
  const auto other_kind = KindOfTheSameSize(kind);
  if (!other_kind) return decoded;
  decoded.content = WeighMmsOrGprsContent(bytes);
  if (decoded.ContentFitsKind()) return decoded;
  auto& warnings = decoded.integrity.warnings;
  warnings.insert(warnings.begin(), ContentWarning(decoded));
  if (!reveal) {
    const DecodedFile other = DecodeLayout(*other_kind, bytes, /*reveal=*/false);
    HideOtherLayoutSecrets(kind, decoded.settings, *other_kind, other.settings);
  }
  return decoded;
}

Result<DecodedFile> DecodeSettingFile(const std::filesystem::path& path,
                                      std::optional<FileKind> kind, bool reveal) {
  auto bytes = ReadBoundedFile(path, kSettingFileReadLimit, "setting file");
  if (!bytes.ok()) return bytes.error();
  RecognisedKind recognised{kind.value_or(FileKind::kCamera), "as given by --kind"};
  if (!kind) {
    auto found = RecogniseFileKind(path, *bytes);
    if (!found.ok()) return Error{found.error().code, PathToUtf8(path) + ": " + found.message()};
    recognised = *found;
  }
  DecodedFile decoded = DecodeSettingBytes(recognised.kind, *bytes, reveal);
  decoded.recognised = recognised.how;
  return decoded;
}

std::string ContentWarning(const DecodedFile& decoded) {
  if (decoded.ContentFitsKind()) return "";
  const ContentKind& content = *decoded.content;
  const std::string named(FileKindFileName(decoded.kind));
  const std::string verdict =
      content.kind ? "the content looks like " + std::string(FileKindFileName(*content.kind)) +
                         ", not " + named + " (" + content.weights + "): a renamed file?"
                   : "the content does not clearly fit " + named + " (" + content.weights + ").";
  return verdict + " Values where either layout keeps a password are hidden unless --reveal";
}

std::vector<std::string> IntegrityProblems(const FileIntegrity& integrity) {
  if (!integrity.problems.empty() || integrity.intact()) return integrity.problems;
  // The reader flagged a fault without wording it: word it here.
  std::vector<std::string> problems;
  if (!integrity.sizeOk) {
    problems.push_back("size " + std::to_string(integrity.size) + " bytes, expected " +
                       std::to_string(integrity.expectedSize));
  }
  if (!integrity.lineEndsOk) problems.push_back("a record does not end in CR LF");
  if (!integrity.checkOk) {
    problems.push_back("check value stored " + CheckValueText(integrity.checkStored) + ", computed " +
                       CheckValueText(integrity.checkComputed));
  }
  return problems;
}

}  // namespace quelmo
