#include "record/safe_write.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace quelmo {
namespace {

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
}

// Tells this process's temporary files from those of another copy of the
// program saving into the same folder at the same time.
std::uint32_t ProcessTag() {
  static const std::uint32_t tag = [] {
    try {
      return static_cast<std::uint32_t>(std::random_device{}());
    } catch (...) {  // no entropy source: the clock is unique enough here
      return static_cast<std::uint32_t>(
          std::chrono::steady_clock::now().time_since_epoch().count());
    }
  }();
  return tag;
}

// ".camera.dat.1a2b3c4d.7.tmp": hidden, next to the final file (a rename
// only replaces in one step within one file system), never a name the
// camera reads.
std::string TemporaryName(std::string_view name) {
  static std::atomic<unsigned> counter{0};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%08x.%u.tmp", static_cast<unsigned>(ProcessTag()),
                ++counter);
  return "." + std::string(name) + suffix;
}

// The write's own results say all there is to know: the file was made
// exclusively under the folder's lock, so no one else can have written it,
// and reading it back would only give the page cache's copy of these bytes.
Status WriteAndSync(FileSystem& files, const std::filesystem::path& path,
                    std::span<const std::uint8_t> bytes) {
  Result<std::unique_ptr<WritableFile>> created = files.Create(path);
  if (!created.ok()) return created.status();
  WritableFile& file = **created;
  if (Status written = file.Write(bytes); !written.ok()) return written;
  if (Status synced = file.Sync(); !synced.ok()) return synced;
  return file.Close();
}

Status NotAFileName(std::string_view name) {
  // Appended rather than "\"" + std::string(name): GCC 12 warns about that
  // at -O2 (-Wrestrict, a false alarm).
  std::string message = "\"";
  message.append(name).append("\" is not a file name.");
  return Error{ErrorCode::kInvalidArgument, std::move(message)};
}

// The failure, with word of a temporary file that could not be removed.
Status Abandon(FileSystem& files, const std::filesystem::path& temporary, const Status& failure) {
  const Status removed = files.Remove(temporary);
  if (removed.ok()) return failure;
  return Error{failure.error().code,
               failure.message() + " The temporary file stays behind: " + removed.message()};
}

}  // namespace

Status VerifyWritten(FileSystem& files, const std::filesystem::path& path,
                     std::span<const std::uint8_t> bytes) {
  // What the disk gives back is what the camera will read. One byte more
  // than written is enough to tell a longer file.
  Result<std::vector<std::uint8_t>> read_back = files.ReadRegularFile(path, bytes.size() + 1);
  if (!read_back.ok()) return read_back.status();
  if (!std::ranges::equal(*read_back, bytes)) {
    return Error{ErrorCode::kCorrupt, "Reading back " + PathToUtf8(path) + " gave " +
                                          std::to_string(read_back->size()) +
                                          " bytes different from the " +
                                          std::to_string(bytes.size()) +
                                          " bytes this save wrote; the disk or another "
                                          "program changed them."};
  }
  return Status::Ok();
}

Status WriteFileAtomically(FileSystem& files, const std::filesystem::path& folder,
                           std::string_view name, std::span<const std::uint8_t> bytes) {
  if (!IsPlainFileName(name)) {
    return NotAFileName(name);
  }
  if (Status usable = files.CheckWritableFolder(folder); !usable.ok()) return usable;
  Result<std::unique_ptr<FolderLock>> lock = files.LockFolder(folder, kSaveLockWait);
  if (!lock.ok()) return lock.status();
  return WriteFileAtomicallyLocked(files, folder, name, bytes);
}

Status WriteFileAtomicallyLocked(FileSystem& files, const std::filesystem::path& folder,
                                 std::string_view name, std::span<const std::uint8_t> bytes) {
  if (!IsPlainFileName(name)) {
    return NotAFileName(name);
  }
  const std::filesystem::path final_path = folder / PathFromUtf8(name);
  const std::filesystem::path temporary = folder / PathFromUtf8(TemporaryName(name));

  if (Status written = WriteAndSync(files, temporary, bytes); !written.ok()) {
    return Abandon(files, temporary, written);
  }
  if (Status replaced = files.Replace(temporary, final_path); !replaced.ok()) {
    return Abandon(files, temporary, replaced);
  }
  // The new file is in place; only its surviving a power cut is in doubt.
  if (Status synced = files.SyncFolder(folder); !synced.ok()) {
    return Error{synced.error().code, synced.message() + " (" + PathToUtf8(final_path) +
                                          " is written but may not be on the disk yet)"};
  }
  return Status::Ok();
}

}  // namespace quelmo
