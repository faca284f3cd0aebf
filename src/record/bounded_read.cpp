#include "record/bounded_read.h"

#include <string>

#include "platform/file_system.h"

namespace quelmo {
namespace {

Error FileError(ErrorCode code, const std::filesystem::path& path, const std::string& why) {
  return Error{code, PathToUtf8(path) + ": " + why};
}

}  // namespace

Result<std::vector<std::uint8_t>> ReadBoundedFile(FileSystem& files, const std::filesystem::path& path,
                                                  std::uintmax_t limit, const char* what) {
  const Result<FileFacts> facts = files.LookAt(path);
  if (!facts.ok()) return FileError(ErrorCode::kIoError, path, facts.message());
  if (facts->type == std::filesystem::file_type::not_found) {
    return FileError(ErrorCode::kNotFound, path, std::string("no such ") + what);
  }
  if (facts->type == std::filesystem::file_type::directory) {
    return FileError(ErrorCode::kInvalidArgument, path, std::string("is a folder, not a ") + what);
  }
  if (facts->type != std::filesystem::file_type::regular) {
    return FileError(ErrorCode::kInvalidArgument, path,
                     std::string("is not a regular file (a device, pipe or socket), not a ") + what);
  }
  if (facts->size > limit) {
    return FileError(ErrorCode::kCorrupt, path,
                     std::to_string(facts->size) + " bytes, far more than a " + what +
                         " holds (at most " + std::to_string(limit) + "); not read");
  }

  // The type is checked again on what is opened: the name may have been
  // given to a pipe since it was looked at.
  return files.ReadRegularFile(path, limit);
}

}  // namespace quelmo
