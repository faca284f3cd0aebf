#include "cli/file_kind.h"

#include <algorithm>
#include <cctype>

#include "camera/camera_file.h"
#include "cli/mms_gprs_evidence.h"
#include "mms/mms_file.h"
#include "platform/file_system.h"
#include "sms/sms_file.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string NameAdvice() {
  return "name it camera.dat, mms.dat, gprs.dat or sms.dat, or give --kind";
}

Result<RecognisedKind> RecogniseMmsOrGprs(std::span<const std::uint8_t> bytes) {
  const ContentKind content = WeighMmsOrGprsContent(bytes);
  if (content.kind) {
    return RecognisedKind{*content.kind, "by its size and content (" + content.weights + ")"};
  }
  return Error{ErrorCode::kCorrupt,
               "780 bytes, the size of mms.dat and gprs.dat, but the content does not tell which (" +
                   content.weights + "); " + NameAdvice()};
}

}  // namespace

ContentKind WeighMmsOrGprsContent(std::span<const std::uint8_t> bytes) {
  const auto evidence = WeighMmsAgainstGprs(bytes);
  ContentKind content;
  content.weights = "the MMS layout scores " + std::to_string(evidence.mms) + ", the GPRS layout " +
                    std::to_string(evidence.gprs);
  if (evidence.mms >= kEvidenceMinimum && evidence.mms - evidence.gprs >= kEvidenceLead) {
    content.kind = FileKind::kMms;
  } else if (evidence.gprs >= kEvidenceMinimum && evidence.gprs - evidence.mms >= kEvidenceLead) {
    content.kind = FileKind::kGprs;
  }
  return content;
}

std::optional<FileKind> KindOfTheSameSize(FileKind kind) {
  switch (kind) {
    case FileKind::kMms: return FileKind::kGprs;
    case FileKind::kGprs: return FileKind::kMms;
    case FileKind::kCamera:
    case FileKind::kSms: return std::nullopt;
  }
  return std::nullopt;
}

std::string_view FileKindName(FileKind kind) {
  switch (kind) {
    case FileKind::kCamera: return "camera";
    case FileKind::kMms: return "mms";
    case FileKind::kGprs: return "gprs";
    case FileKind::kSms: return "sms";
  }
  return "";
}

std::string_view FileKindFileName(FileKind kind) {
  switch (kind) {
    case FileKind::kCamera: return kCameraFileName;
    case FileKind::kMms: return kMmsFileName;
    case FileKind::kGprs: return kGprsFileName;
    case FileKind::kSms: return kSmsFileName;
  }
  return "";
}

std::optional<FileKind> ParseFileKind(std::string_view name) {
  for (FileKind kind : kAllFileKinds) {
    if (FileKindName(kind) == name) return kind;
  }
  return std::nullopt;
}

Result<RecognisedKind> RecogniseFileKind(const std::filesystem::path& path,
                                         std::span<const std::uint8_t> bytes) {
  const std::string file_name = Lowered(PathToUtf8(path.filename()));
  for (FileKind kind : kAllFileKinds) {
    if (file_name == FileKindFileName(kind)) return RecognisedKind{kind, "by its name"};
  }
  switch (bytes.size()) {
    case kCameraFileSize: return RecognisedKind{FileKind::kCamera, "by its size"};
    case kSmsFileSize: return RecognisedKind{FileKind::kSms, "by its size"};
    case kMmsFileSize: return RecogniseMmsOrGprs(bytes);
    default:
      return Error{ErrorCode::kCorrupt,
                   "not recognised as a setting file: " + std::to_string(bytes.size()) +
                       " bytes, while setting files have 180 (camera), 300 (sms) or 780 (mms, "
                       "gprs); " + NameAdvice()};
  }
}

}  // namespace quelmo
