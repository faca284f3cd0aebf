#include "cli/decoded_file.h"

#include "cli/other_layout_secrets.h"
#include "platform/file_system.h"
#include "record/bounded_read.h"

namespace quelmo {
namespace {

DecodedFile DecodeLayout(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal) {
  ReadBackFile read = kind->readBack(bytes, reveal);
  DecodedFile decoded;
  decoded.kind = kind;
  decoded.isDefault = read.isDefault;
  decoded.settings = std::move(read.settings);
  decoded.integrity = std::move(read.integrity);
  return decoded;
}

}  // namespace

DecodedFile DecodeSettingBytes(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal) {
  DecodedFile decoded = DecodeLayout(kind, bytes, reveal);
  const std::vector<FileKind> same_size = KindsOfSize(kind->fileSize);
  if (same_size.size() < 2) return decoded;
  decoded.content = WeighContent(same_size, bytes);
  if (decoded.ContentFitsKind()) return decoded;
  auto& warnings = decoded.integrity.warnings;
  warnings.insert(warnings.begin(), ContentWarning(decoded));
  if (!reveal) {
    for (FileKind other_kind : same_size) {
      if (other_kind == kind) continue;
      const DecodedFile other = DecodeLayout(other_kind, bytes, /*reveal=*/false);
      HideOtherLayoutSecrets(kind, decoded.settings, other_kind, other.settings);
    }
  }
  return decoded;
}

Result<DecodedFile> DecodeSettingFile(FileSystem& files, const std::filesystem::path& path,
                                      FileKind kind, bool reveal) {
  auto bytes = ReadBoundedFile(files, path, kSettingFileReadLimit, "setting file");
  if (!bytes.ok()) return bytes.error();
  RecognisedKind recognised{kind, "as given by --kind"};
  if (kind == nullptr) {
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
  const std::string named(decoded.kind->fileName);
  const std::string verdict =
      content.kind ? "the content looks like " + std::string(content.kind->fileName) +
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
