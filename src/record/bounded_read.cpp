#include "record/bounded_read.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/file_system.h"

namespace quelmo {
namespace {

Error FileError(ErrorCode code, const std::filesystem::path& path, const std::string& why) {
  return Error{code, PathToUtf8(path) + ": " + why};
}

}  // namespace

Result<std::vector<std::uint8_t>> ReadBoundedFile(const std::filesystem::path& path,
                                                  std::uintmax_t limit, const char* what) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return FileError(ErrorCode::kNotFound, path, std::string("no such ") + what);
  }
  if (error) return FileError(ErrorCode::kIoError, path, error.message());
  if (status.type() == std::filesystem::file_type::directory) {
    return FileError(ErrorCode::kInvalidArgument, path, std::string("is a folder, not a ") + what);
  }
  if (status.type() != std::filesystem::file_type::regular) {
    return FileError(ErrorCode::kInvalidArgument, path,
                     std::string("is not a regular file (a device, pipe or socket), not a ") + what);
  }
  const auto size = std::filesystem::file_size(path, error);
  if (error) return FileError(ErrorCode::kIoError, path, error.message());
  if (size > limit) {
    return FileError(ErrorCode::kCorrupt, path,
                     std::to_string(size) + " bytes, far more than a " + what + " holds (at most " +
                         std::to_string(limit) + "); not read");
  }

  errno = 0;
  std::ifstream stream(path, std::ios::binary);
  if (!stream) {
    const int reason = errno;
    return FileError(ErrorCode::kIoError, path,
                     std::string("cannot be opened: ") +
                         (reason != 0 ? std::strerror(reason) : "reason unknown"));
  }
  // The size may have changed since it was asked; never read past the limit.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(limit) + 1);
  stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (stream.bad()) {
    const int reason = errno;
    return FileError(ErrorCode::kIoError, path,
                     std::string("cannot be read: ") +
                         (reason != 0 ? std::strerror(reason) : "reason unknown"));
  }
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  if (bytes.size() > limit) {
    return FileError(ErrorCode::kCorrupt, path,
                     std::string("grew beyond what a ") + what + " holds while it was read");
  }
  return bytes;
}

}  // namespace quelmo
