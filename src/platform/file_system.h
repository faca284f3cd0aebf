#pragma once
// The file layer every writer goes through. Each step that can fail (create,
// write, sync, close, rename, remove, read) is its own call returning a Status,
// so that a test can make any one of them fail and check what the folder holds
// afterwards. The platform provides the real implementation: POSIX calls, or
// Win32 calls with write-through on Windows.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"

namespace quelmo {

class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual Status Write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes what was written to the device (fsync / FlushFileBuffers).
  virtual Status Sync() = 0;
  virtual Status Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates `path`, or truncates it when it exists, for writing.
  virtual Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) = 0;
  virtual Result<std::vector<std::uint8_t>> ReadAll(const std::filesystem::path& path) = 0;
  // Renames `from` to `to`, replacing `to` in one step when it exists.
  virtual Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Removes `path`; a path that is already gone is not an error.
  virtual Status Remove(const std::filesystem::path& path) = 0;
  // Makes a rename in `folder` durable (fsync of the directory; nothing to do
  // on Windows, where the rename is written through).
  virtual Status SyncFolder(const std::filesystem::path& folder) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  // An error naming the folder when it is missing, not a folder, or not writable.
  virtual Status CheckWritableFolder(const std::filesystem::path& folder) = 0;
};

// The machine's own file system.
FileSystem& SystemFileSystem();

// A folder name typed or chosen by the user (UTF-8) as a path.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace quelmo
