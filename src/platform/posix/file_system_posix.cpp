// The file layer on POSIX systems: plain system calls, so that every step's
// own error (errno) reaches the caller with the path it concerns.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/posix/sticky_folder.h"

namespace quelmo {
namespace {

std::string Reason(int error_number) { return std::system_category().message(error_number); }

std::string Named(const std::filesystem::path& path) { return PathToUtf8(path); }

// `what` says what was attempted and names the path: "Cannot write /a/b".
// Callers take errno into a local first: building `what` may allocate, and
// an allocation may change errno.
Error SystemError(const std::string& what, int error_number) {
  const ErrorCode code = error_number == ENOENT ? ErrorCode::kNotFound : ErrorCode::kIoError;
  return Error{code, what + ": " + Reason(error_number)};
}

// A system call's result with its errno, taken at once: the folder mutex is
// released and messages are built before the caller looks at it.
struct Called {
  int value;
  int error_number;
};

Called Take(int value) { return {value, value < 0 ? errno : 0}; }

int OpenAtRetrying(int folder_fd, const char* name, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::openat(folder_fd, name, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
  return OpenAtRetrying(AT_FDCWD, path, flags, mode);
}

int FsyncRetrying(int fd) {
  int result;
  do {
    result = ::fsync(fd);
  } while (result != 0 && errno == EINTR);
  return result;
}

// close() is never retried: on Linux the descriptor is gone even when it
// reports EINTR, and a retry could close a descriptor opened meanwhile.
int CloseOnce(int fd) { return ::close(fd); }

class PosixWritableFile final : public WritableFile {
 public:
  PosixWritableFile(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}

  // A file abandoned after an error is closed without a check: the caller
  // already holds the error that made it give the file up.
  ~PosixWritableFile() override {
    if (fd_ >= 0) CloseOnce(fd_);
  }

  Status Write(std::span<const std::uint8_t> bytes) override {
    if (fd_ < 0) return ClosedError("Cannot write");
    const std::uint8_t* next = bytes.data();
    std::size_t remaining = bytes.size();
    while (remaining > 0) {
      const ssize_t written = ::write(fd_, next, remaining);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        // A write that takes nothing without an error means a full device.
        const int error_number = written < 0 ? errno : ENOSPC;
        return SystemError("Cannot write " + Named(path_), error_number);
      }
      next += written;
      remaining -= static_cast<std::size_t>(written);
    }
    return Status::Ok();
  }

  Status Sync() override {
    if (fd_ < 0) return ClosedError("Cannot flush");
    if (FsyncRetrying(fd_) != 0) {
      const int error_number = errno;
      return SystemError("Cannot flush " + Named(path_) + " to the disk", error_number);
    }
    return Status::Ok();
  }

  Status Close() override {
    if (fd_ < 0) return ClosedError("Cannot close");
    const int fd = fd_;
    fd_ = -1;
    if (CloseOnce(fd) != 0) {
      const int error_number = errno;
      return SystemError("Cannot close " + Named(path_), error_number);
    }
    return Status::Ok();
  }

 private:
  Status ClosedError(std::string_view action) const {
    return Error{ErrorCode::kIoError,
                 std::string(action) + " " + Named(path_) + ": the file is already closed"};
  }

  int fd_;
  std::filesystem::path path_;
};

// The folders whose save lock this process holds, each with the descriptor
// the lock is taken on. A save works on its files through that descriptor
// (openat, renameat, unlinkat) and syncs it, instead of going by the
// folder's name again: a folder renamed, or swapped for a link, while the
// save runs cannot redirect its files elsewhere. The calls run under the
// mutex, so that a lock released meanwhile cannot close the descriptor under
// them.
class HeldFolders {
 public:
  void Add(const std::filesystem::path& folder, int fd) {
    const std::lock_guard<std::mutex> guard(mutex_);
    held_.emplace_back(folder, fd);
  }

  void Drop(int fd) {
    const std::lock_guard<std::mutex> guard(mutex_);
    std::erase_if(held_, [fd](const auto& entry) { return entry.second == fd; });
  }

  // Runs `sync` on the descriptor held for `folder`; false when none is.
  template <typename Sync>
  bool SyncThrough(const std::filesystem::path& folder, Sync sync) {
    const std::lock_guard<std::mutex> guard(mutex_);
    for (const auto& [held, fd] : held_) {
      if (held == folder) {
        sync(fd);
        return true;
      }
    }
    return false;
  }

  // Runs `call(folder_fd, name)` for `path`: relative to the held folder
  // `path` lies in, else as `call(AT_FDCWD, path)`.
  template <typename Call>
  Called At(const std::filesystem::path& path, Call call) {
    const std::lock_guard<std::mutex> guard(mutex_);
    const std::filesystem::path name = path.filename();
    if (!name.empty()) {
      for (const auto& [held, fd] : held_) {
        if (held / name == path) return call(fd, name.c_str());
      }
    }
    return call(AT_FDCWD, path.c_str());
  }

 private:
  std::mutex mutex_;
  std::vector<std::pair<std::filesystem::path, int>> held_;
};

// Never destroyed: a lock may outlive the statics at exit.
HeldFolders& Held() {
  static HeldFolders& held = *new HeldFolders;
  return held;
}

// flock() on the folder itself: no lock file is left on the card, and the
// lock goes with the process however it ends. Where the file system has no
// locks the descriptor is held all the same, for the save's steps to work
// through.
class PosixFolderLock final : public FolderLock {
 public:
  PosixFolderLock(const std::filesystem::path& folder, int fd) : fd_(fd) {
    Held().Add(folder, fd);
  }
  ~PosixFolderLock() override {
    Held().Drop(fd_);
    CloseOnce(fd_);
  }
  PosixFolderLock(const PosixFolderLock&) = delete;
  PosixFolderLock& operator=(const PosixFolderLock&) = delete;

 private:
  int fd_;
};

// fsync of a folder; some file systems cannot sync a directory at all
// (EINVAL), and their renames are as durable as they get there, so that is
// no failure. Returns the error number, 0 on success.
int SyncFolderDescriptor(int fd) {
  const int sync_error = FsyncRetrying(fd) != 0 ? errno : 0;
  return sync_error == EINVAL || sync_error == ENOTSUP ? 0 : sync_error;
}

class PosixFileSystem final : public FileSystem {
 public:
  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) override {
    // O_EXCL fails on any name that exists, a dangling link included, so
    // nothing planted under this name is ever opened.
    const Called opened = Held().At(path, [](int folder_fd, const char* name) {
      return Take(
          OpenAtRetrying(folder_fd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666));
    });
    const int fd = opened.value;
    if (fd < 0) {
      const int error_number = opened.error_number;
      if (error_number == EEXIST) {
        return Error{ErrorCode::kBusy, "Cannot create " + Named(path) +
                                           ": another program made a file of that name during "
                                           "this save"};
      }
      return SystemError("Cannot create " + Named(path), error_number);
    }
    return std::unique_ptr<WritableFile>(std::make_unique<PosixWritableFile>(fd, path));
  }

  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                    std::uintmax_t limit) override {
    // Non-blocking, so that opening a pipe returns at once instead of
    // waiting for a writer; the type is then checked on what was opened.
    const Called opened = Held().At(path, [](int folder_fd, const char* name) {
      return Take(OpenAtRetrying(folder_fd, name, O_RDONLY | O_NONBLOCK));
    });
    const int fd = opened.value;
    if (fd < 0) return SystemError("Cannot read " + Named(path), opened.error_number);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
      const int error_number = errno;
      CloseOnce(fd);
      return SystemError("Cannot read " + Named(path), error_number);
    }
    if (!S_ISREG(info.st_mode)) {
      CloseOnce(fd);
      return Error{ErrorCode::kInvalidArgument,
                   Named(path) + " is not a regular file (a folder, device, pipe or socket); it "
                                 "was not read."};
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
      CloseOnce(fd);
      return TooLargeError(path, limit);
    }
    // Room for the file as it is and one byte more, which tells a file
    // that grew meanwhile; it grows no further than one byte past the limit.
    const std::size_t most = static_cast<std::size_t>(limit) + 1;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
      if (used == bytes.size()) {
        if (bytes.size() == most) break;
        bytes.resize(std::min(most, bytes.size() * 2));
      }
      const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        const int error_number = errno;
        CloseOnce(fd);
        return SystemError("Cannot read " + Named(path), error_number);
      }
      if (got == 0) break;
      used += static_cast<std::size_t>(got);
    }
    CloseOnce(fd);
    if (used > limit) return TooLargeError(path, limit);
    bytes.resize(used);
    return bytes;
  }

  Result<std::unique_ptr<FolderLock>> LockFolder(const std::filesystem::path& folder,
                                                 std::chrono::milliseconds wait) override {
    const int fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY);
    // A folder that cannot be opened here fails the save's own steps with
    // their own reason.
    if (fd < 0) return std::unique_ptr<FolderLock>(std::make_unique<FolderLock>());
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return std::unique_ptr<FolderLock>(std::make_unique<PosixFolderLock>(folder, fd));
      }
      const int error_number = errno;
      if (error_number == EINTR) continue;
      if (error_number != EWOULDBLOCK) {
        // No locks on this file system (some network and FUSE ones).
        return std::unique_ptr<FolderLock>(std::make_unique<PosixFolderLock>(folder, fd));
      }
      if (std::chrono::steady_clock::now() >= deadline) {
        CloseOnce(fd);
        return BusyFolderError(folder);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    const Called renamed = Held().At(to, [&from, &to](int folder_fd, const char* to_name) {
      // A temporary file beside its final one, as the writers make them.
      if (folder_fd != AT_FDCWD && from.parent_path() == to.parent_path()) {
        return Take(::renameat(folder_fd, from.filename().c_str(), folder_fd, to_name));
      }
      return Take(::renameat(AT_FDCWD, from.c_str(), folder_fd, to_name));
    });
    if (renamed.value != 0) {
      return SystemError("Cannot rename " + Named(from) + " to " + Named(to),
                         renamed.error_number);
    }
    return Status::Ok();
  }

  Status Remove(const std::filesystem::path& path) override {
    const Called removed = Held().At(path, [](int folder_fd, const char* name) {
      return Take(::unlinkat(folder_fd, name, 0));
    });
    if (removed.value != 0 && removed.error_number != ENOENT) {
      return SystemError("Cannot remove " + Named(path), removed.error_number);
    }
    return Status::Ok();
  }

  Status SyncFolder(const std::filesystem::path& folder) override {
    int sync_error = 0;
    const bool through_lock =
        Held().SyncThrough(folder, [&](int fd) { sync_error = SyncFolderDescriptor(fd); });
    int close_error = 0;
    if (!through_lock) {
      const int fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY);
      if (fd < 0) {
        const int error_number = errno;
        return SystemError("Cannot open the folder " + Named(folder), error_number);
      }
      sync_error = SyncFolderDescriptor(fd);
      close_error = CloseOnce(fd) != 0 ? errno : 0;
    }
    if (sync_error != 0) {
      return SystemError("Cannot flush the folder " + Named(folder) + " to the disk", sync_error);
    }
    if (close_error != 0)
      return SystemError("Cannot close the folder " + Named(folder), close_error);
    return Status::Ok();
  }

  bool Exists(const std::filesystem::path& path) override {
    struct stat info {};
    return Held().At(path, [&info](int folder_fd, const char* name) {
      return Take(::fstatat(folder_fd, name, &info, AT_SYMLINK_NOFOLLOW));
    }).value == 0;
  }

  Status CheckReplaceable(const std::filesystem::path& path) override {
    struct stat entry {};
    struct stat folder {};
    const Called looked = Held().At(path, [&](int folder_fd, const char* name) {
      const Called found = Take(::fstatat(folder_fd, name, &entry, AT_SYMLINK_NOFOLLOW));
      if (found.value != 0) return found;
      if (folder_fd != AT_FDCWD) return Take(::fstat(folder_fd, &folder));
      return Take(::stat(path.parent_path().empty() ? "." : path.parent_path().c_str(), &folder));
    });
    // Nothing there, or nothing that can be looked at: the save's own steps
    // make the file or report why they cannot.
    if (looked.value != 0) return Status::Ok();
    if (S_ISDIR(entry.st_mode)) return FolderInPlaceError(path);
    if (!S_ISREG(entry.st_mode) && !S_ISLNK(entry.st_mode)) {
      return Error{ErrorCode::kInvalidArgument,
                   Named(path) + " is a pipe, device or socket, not a file; a save does not "
                                 "replace it."};
    }
    if (StickyFolderKeepsOut({folder.st_mode, folder.st_uid}, entry.st_uid, ::geteuid())) {
      return Error{ErrorCode::kIoError,
                   Named(path) + " belongs to another user, and its folder lets only a file's "
                                 "owner replace or remove it (sticky bit)."};
    }
    return Status::Ok();
  }

  Status CheckWritableFolder(const std::filesystem::path& folder) override {
    if (folder.empty()) return Error{ErrorCode::kInvalidArgument, "No folder was given."};
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
      const int error_number = errno;
      if (error_number == ENOENT || error_number == ENOTDIR) {
        return Error{ErrorCode::kNotFound, "The folder " + Named(folder) + " does not exist."};
      }
      return Error{ErrorCode::kIoError,
                   "The folder " + Named(folder) + " cannot be reached: " + Reason(error_number)};
    }
    if (!S_ISDIR(info.st_mode)) {
      return Error{ErrorCode::kInvalidArgument, "The path " + Named(folder) + " is not a folder."};
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
      const int error_number = errno;
      return Error{ErrorCode::kIoError,
                   "The folder " + Named(folder) + " cannot be written: " + Reason(error_number)};
    }
    return Status::Ok();
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem file_system;
  return file_system;
}

}  // namespace quelmo
