#pragma once
// The file layer every writer goes through. Each step that can fail (create,
// write, sync, close, rename, remove, read) is its own call returning a Status,
// so that a test can make any one of them fail and check what the folder holds
// afterwards. The platform provides the real implementation: POSIX calls, or
// Win32 calls with write-through on Windows.

#include <chrono>
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

// A folder's save lock while it is held; destroying it lets the next save in.
class FolderLock {
 public:
  virtual ~FolderLock() = default;
};

// How long a save waits for another save into the same folder to finish:
// far longer than a save takes, short enough for a user to wait.
inline constexpr std::chrono::milliseconds kSaveLockWait{5000};

// What a name is, looked at without opening it (links followed).
struct FileFacts {
  std::filesystem::file_type type = std::filesystem::file_type::not_found;
  std::uintmax_t size = 0;  // of a regular file
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Creates `path` as a new file for writing. Anything already there by that
  // name, a link included, makes it fail with kBusy: nothing is ever written
  // through a name someone else made.
  virtual Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) = 0;
  // Reads `path` (links followed) only when it is a regular file of at most
  // `limit` bytes: a pipe, a device or a huge file is refused without waiting
  // on it or reading it.
  virtual Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                            std::uintmax_t limit) = 0;
  // Takes `folder`'s save lock, waiting up to `wait` while another process
  // holds it; kBusy when it stays held. Where the file system offers no
  // locks the lock holds nothing: the exclusive Create and the writers'
  // read-back still catch a clash there.
  virtual Result<std::unique_ptr<FolderLock>> LockFolder(const std::filesystem::path& folder,
                                                         std::chrono::milliseconds wait);
  // Renames `from` to `to`, replacing `to` in one step when it exists.
  virtual Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Removes `path`; a path that is already gone is not an error.
  virtual Status Remove(const std::filesystem::path& path) = 0;
  // Makes a rename in `folder` durable (fsync of the directory; nothing to do
  // on Windows, where the rename is written through).
  virtual Status SyncFolder(const std::filesystem::path& folder) = 0;
  virtual bool Exists(const std::filesystem::path& path) = 0;
  // An error naming `path` when a save could not put its file there: a
  // folder, pipe, device or socket by that name, or a file that the folder's
  // sticky bit keeps this user from replacing or removing. Nothing there, a
  // regular file, or a link (a rename replaces the link, never follows it)
  // passes. It only looks: a save calls it for every name before it writes
  // anything, so that such an obstacle stops it with nothing changed.
  virtual Status CheckReplaceable(const std::filesystem::path& path);
  // What `path` names: nothing (not_found), a regular file and its size, a
  // folder, or something else; an error (its reason alone) when the system
  // cannot tell.
  virtual Result<FileFacts> LookAt(const std::filesystem::path& path);
  // An error naming the folder when it is missing, not a folder, or not writable.
  virtual Status CheckWritableFolder(const std::filesystem::path& folder) = 0;
};

// The machine's own file system.
FileSystem& SystemFileSystem();

// A folder name typed or chosen by the user (UTF-8) as a path.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// Messages shared by the platforms' file layers.
Error TooLargeError(const std::filesystem::path& path, std::uintmax_t limit);
Error BusyFolderError(const std::filesystem::path& folder);
Error FolderInPlaceError(const std::filesystem::path& path);

}  // namespace quelmo
