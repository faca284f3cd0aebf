#include "cli/decoded_file.h"

#include "record/bounded_read.h"

namespace quelmo {

DecodedFile DecodeSettingBytes(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal) {
  ReadBackFile read = kind->readBack(bytes, reveal);
  DecodedFile decoded;
  decoded.kind = kind;
  decoded.isDefault = read.isDefault;
  decoded.settings = std::move(read.settings);
  decoded.integrity = std::move(read.integrity);
  return decoded;
}

Result<DecodedFile> DecodeSettingFile(const std::filesystem::path& path,
                                      FileKind kind, bool reveal) {
  auto bytes = ReadBoundedFile(path, kSettingFileReadLimit, "setting file");
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
