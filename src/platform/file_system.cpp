#include "platform/file_system.h"

#include <string>
#include <system_error>

namespace quelmo {

// For file layers of tests, which lock nothing.
Result<std::unique_ptr<FolderLock>> FileSystem::LockFolder(const std::filesystem::path&,
                                                           std::chrono::milliseconds) {
  return std::make_unique<FolderLock>();
}

// The same on every platform: std::filesystem asks the system.
Result<FileFacts> FileSystem::LookAt(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  FileFacts facts{status.type(), 0};
  // A missing name is an answer, though the system reports it as an error.
  if (facts.type == std::filesystem::file_type::not_found) return facts;
  if (error) return Error{ErrorCode::kIoError, error.message()};
  if (facts.type == std::filesystem::file_type::regular) {
    facts.size = std::filesystem::file_size(path, error);
    if (error) return Error{ErrorCode::kIoError, error.message()};
  }
  return facts;
}

// File layers of tests see only what they were built to see.
Status FileSystem::CheckReplaceable(const std::filesystem::path&) { return Status::Ok(); }

Error TooLargeError(const std::filesystem::path& path, std::uintmax_t limit) {
  return Error{ErrorCode::kCorrupt, PathToUtf8(path) + " holds more than " +
                                        std::to_string(limit) + " bytes; it was not read."};
}

Error BusyFolderError(const std::filesystem::path& folder) {
  return Error{ErrorCode::kBusy, "Another save into " + PathToUtf8(folder) +
                                     " is under way; try again when it has finished."};
}

Error FolderInPlaceError(const std::filesystem::path& path) {
  return Error{ErrorCode::kInvalidArgument,
               PathToUtf8(path) + " is a folder; a save does not put a file in its place."};
}

// Folder names reach the core as UTF-8 (from the window system, the command
// line or JSON); going through char8_t makes std::filesystem decode them as
// UTF-8 on every platform instead of in the process's narrow code page.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  const std::u8string text(utf8.begin(), utf8.end());
  return std::filesystem::path(text);
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace quelmo
