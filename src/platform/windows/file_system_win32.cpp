// The file layer on Windows: wide-character Win32 calls, so that any folder
// name works whatever the system's code page, and every step's own error
// (GetLastError) reaches the caller with the path it concerns. The promise is
// the POSIX one: FlushFileBuffers for Sync, and a rename that replaces the
// final file and is written through before it returns.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>

#include "platform/file_system.h"
#include "platform/windows/extended_path.h"
#include "text/utf16.h"

namespace quelmo {
namespace {

std::string Named(const std::filesystem::path& path) { return PathToUtf8(path); }

// The system's own text for an error code, as UTF-8 without the line break
// and full stop FormatMessage ends it with.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = length > 0 ? std::wstring(text, length) : std::wstring();
  if (text != nullptr) LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ' ||
                           wide.back() == L'.')) {
    wide.pop_back();
  }
  if (wide.empty()) return "system error " + std::to_string(error);
  return Utf8(wide);
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// `what` says what was attempted and names the path: "Cannot write C:\a\b".
// Callers take GetLastError() into a local first: building `what` may
// allocate, and an allocation may change the last error.
Error SystemError(const std::string& what, DWORD error) {
  const ErrorCode code = IsMissing(error) ? ErrorCode::kNotFound : ErrorCode::kIoError;
  return Error{code, what + ": " + SystemMessage(error)};
}

// WriteFile and ReadFile take at most a DWORD of bytes per call.
constexpr std::size_t kMaxChunk = 1u << 30;

class Win32WritableFile final : public WritableFile {
 public:
  Win32WritableFile(HANDLE handle, std::filesystem::path path)
      : handle_(handle), path_(std::move(path)) {}

  // A file abandoned after an error is closed without a check: the caller
  // already holds the error that made it give the file up.
  ~Win32WritableFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  Status Write(std::span<const std::uint8_t> bytes) override {
    if (handle_ == INVALID_HANDLE_VALUE) return ClosedError("Cannot write");
    const std::uint8_t* next = bytes.data();
    std::size_t remaining = bytes.size();
    while (remaining > 0) {
      const DWORD wanted = static_cast<DWORD>(std::min(remaining, kMaxChunk));
      DWORD written = 0;
      if (!WriteFile(handle_, next, wanted, &written, nullptr)) {
        const DWORD error = GetLastError();
        return SystemError("Cannot write " + Named(path_), error);
      }
      // A write that takes nothing without an error means a full device.
      if (written == 0) return SystemError("Cannot write " + Named(path_), ERROR_DISK_FULL);
      next += written;
      remaining -= written;
    }
    return Status::Ok();
  }

  Status Sync() override {
    if (handle_ == INVALID_HANDLE_VALUE) return ClosedError("Cannot flush");
    if (!FlushFileBuffers(handle_)) {
      const DWORD error = GetLastError();
      return SystemError("Cannot flush " + Named(path_) + " to the disk", error);
    }
    return Status::Ok();
  }

  Status Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return ClosedError("Cannot close");
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle)) {
      const DWORD error = GetLastError();
      return SystemError("Cannot close " + Named(path_), error);
    }
    return Status::Ok();
  }

 private:
  Status ClosedError(std::string_view action) const {
    return Error{ErrorCode::kIoError,
                 std::string(action) + " " + Named(path_) + ": the file is already closed"};
  }

  HANDLE handle_;
  std::filesystem::path path_;
};

class Win32FolderLock final : public FolderLock {
 public:
  explicit Win32FolderLock(HANDLE handle) : handle_(handle) {}
  ~Win32FolderLock() override { CloseHandle(handle_); }
  Win32FolderLock(const Win32FolderLock&) = delete;
  Win32FolderLock& operator=(const Win32FolderLock&) = delete;

 private:
  HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
 public:
  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) override {
    // No sharing: nobody reads a half-written file while it is being written.
    // CREATE_NEW fails on any name that exists; with OPEN_REPARSE_POINT a
    // link of that name is never followed either.
    const HANDLE handle =
        CreateFileW(Win32PathOf(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
        return Error{ErrorCode::kBusy, "Cannot create " + Named(path) +
                                           ": another program made a file of that name during "
                                           "this save"};
      }
      return SystemError("Cannot create " + Named(path), error);
    }
    return std::unique_ptr<WritableFile>(std::make_unique<Win32WritableFile>(handle, path));
  }

  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                    std::uintmax_t limit) override {
    const HANDLE handle = CreateFileW(Win32PathOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      return SystemError("Cannot read " + Named(path), error);
    }
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size)) {
      CloseHandle(handle);
      return Error{ErrorCode::kInvalidArgument,
                   Named(path) + " is not a regular file (a folder, device, pipe or socket); it "
                                 "was not read."};
    }
    if (static_cast<std::uintmax_t>(size.QuadPart) > limit) {
      CloseHandle(handle);
      return TooLargeError(path, limit);
    }
    // Room for the file as it is and one byte more, which tells a file
    // that grew meanwhile; it grows no further than one byte past the limit.
    const std::size_t most = static_cast<std::size_t>(limit) + 1;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t used = 0;
    for (;;) {
      if (used == bytes.size()) {
        if (bytes.size() == most) break;
        bytes.resize(std::min(most, bytes.size() * 2));
      }
      DWORD got = 0;
      const DWORD wanted = static_cast<DWORD>(std::min(bytes.size() - used, kMaxChunk));
      if (!ReadFile(handle, bytes.data() + used, wanted, &got, nullptr)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return SystemError("Cannot read " + Named(path), error);
      }
      if (got == 0) break;
      used += got;
    }
    CloseHandle(handle);
    if (used > limit) return TooLargeError(path, limit);
    bytes.resize(used);
    return bytes;
  }

  // Windows cannot lock a folder; a hidden lock file opened without sharing
  // serves, and the system deletes it when its handle closes, however the
  // process ends.
  Result<std::unique_ptr<FolderLock>> LockFolder(const std::filesystem::path& folder,
                                                 std::chrono::milliseconds wait) override {
    const std::wstring lock_path = Win32PathOf(folder / L".quelmo-save.lock");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
      const HANDLE handle =
          CreateFileW(lock_path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE |
                          FILE_FLAG_OPEN_REPARSE_POINT,
                      nullptr);
      if (handle != INVALID_HANDLE_VALUE) {
        return std::unique_ptr<FolderLock>(std::make_unique<Win32FolderLock>(handle));
      }
      const DWORD error = GetLastError();
      // Any other failure (a read-only folder, say) is the save's own steps'
      // to report.
      if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) {
        return std::unique_ptr<FolderLock>(std::make_unique<FolderLock>());
      }
      if (std::chrono::steady_clock::now() >= deadline) {
        if (error == ERROR_ACCESS_DENIED) {
          return std::unique_ptr<FolderLock>(std::make_unique<FolderLock>());
        }
        return BusyFolderError(folder);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (!MoveFileExW(Win32PathOf(from).c_str(), Win32PathOf(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      return SystemError("Cannot rename " + Named(from) + " to " + Named(to), error);
    }
    return Status::Ok();
  }

  Status Remove(const std::filesystem::path& path) override {
    if (!DeleteFileW(Win32PathOf(path).c_str())) {
      const DWORD error = GetLastError();
      if (IsMissing(error)) return Status::Ok();
      return SystemError("Cannot remove " + Named(path), error);
    }
    return Status::Ok();
  }

  // MOVEFILE_WRITE_THROUGH already made the rename durable; what is left is
  // to say so only of a folder that is there.
  Status SyncFolder(const std::filesystem::path& folder) override {
    const DWORD attributes = GetFileAttributesW(Win32PathOf(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      return SystemError("Cannot open the folder " + Named(folder), error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return SystemError("Cannot open the folder " + Named(folder), ERROR_DIRECTORY);
    }
    return Status::Ok();
  }

  bool Exists(const std::filesystem::path& path) override {
    return GetFileAttributesW(Win32PathOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  // Only a folder stands in a rename's way here: MoveFileEx replaces any
  // file, and a link (a reparse point) is replaced, not followed.
  Status CheckReplaceable(const std::filesystem::path& path) override {
    const DWORD attributes = GetFileAttributesW(Win32PathOf(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Status::Ok();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      return FolderInPlaceError(path);
    }
    return Status::Ok();
  }

  Status CheckWritableFolder(const std::filesystem::path& folder) override {
    if (folder.empty()) return Error{ErrorCode::kInvalidArgument, "No folder was given."};
    const DWORD attributes = GetFileAttributesW(Win32PathOf(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      if (IsMissing(error) || error == ERROR_INVALID_NAME) {
        return Error{ErrorCode::kNotFound, "The folder " + Named(folder) + " does not exist."};
      }
      return Error{ErrorCode::kIoError,
                   "The folder " + Named(folder) + " cannot be reached: " + SystemMessage(error)};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return Error{ErrorCode::kInvalidArgument, "The path " + Named(folder) + " is not a folder."};
    }
    return CheckByProbe(folder);
  }

 private:
  // Windows decides write access by the folder's access list, which the
  // read-only attribute does not show; the one sure answer is to create a
  // file there. It goes away when its handle is closed.
  static Status CheckByProbe(const std::filesystem::path& folder) {
    // Named by process and thread: two saves checking one folder at once
    // must not trip over each other's probe.
    const std::filesystem::path probe =
        folder / (L".quelmo-write-check-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(GetCurrentThreadId()));
    const HANDLE handle =
        CreateFileW(Win32PathOf(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                    nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      return Error{ErrorCode::kIoError,
                   "The folder " + Named(folder) + " cannot be written: " + SystemMessage(error)};
    }
    CloseHandle(handle);
    return Status::Ok();
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem file_system;
  return file_system;
}

}  // namespace quelmo
