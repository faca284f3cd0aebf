#pragma once
// A setting file read for show and check: its kind, its settings as show
// prints them, and what its reader found wrong.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "cli/kind_registry.h"
#include "kind/settings_fields.h"
#include "platform/file_system.h"
#include "record/file_integrity.h"
#include "record/setting_checksum.h"

namespace quelmo {

// More than any setting file, little enough to read at once.
inline constexpr std::uintmax_t kSettingFileReadLimit = 64 * 1024;

struct DecodedFile {
  FileKind kind = nullptr;
  std::string recognised;  // how the kind was told
  bool isDefault = false;  // the default camera file
  ShownSettings settings;
  FileIntegrity integrity;
  // mms and gprs, which share a size: what the content says, whatever the
  // file was read as. Unset for camera and sms.
  std::optional<ContentKind> content;

  // False when the content may be of the other kind of the same size; its
  // values are then shown with the passwords of both layouts hidden, unless
  // revealed.
  bool ContentFitsKind() const { return !content || content->kind == kind; }
};

// Unless `reveal`, a file whose content does not clearly fit `kind` is shown
// with every value hidden that either layout of its size keeps a password
// in, and a warning says why.
DecodedFile DecodeSettingBytes(FileKind kind, std::span<const std::uint8_t> bytes, bool reveal);

// Reads `path` through `files` and decodes it; `kind`, when given (not
// null), overrides recognition. An error when the file cannot be read or its
// kind cannot be told.
Result<DecodedFile> DecodeSettingFile(FileSystem& files, const std::filesystem::path& path,
                                      FileKind kind, bool reveal);

// Why a file whose content does not fit its kind is shown as it is; empty
// when the content fits.
std::string ContentWarning(const DecodedFile& decoded);

// The faults of a file in one line each; never empty for a file that is not
// intact.
std::vector<std::string> IntegrityProblems(const FileIntegrity& integrity);

}  // namespace quelmo
