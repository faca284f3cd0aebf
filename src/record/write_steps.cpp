#include "record/write_steps.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>

#include "record/safe_write.h"

namespace quelmo {
namespace {

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

}  // namespace

bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
}

Status NotAFileName(std::string_view name) {
  // Appended rather than "\"" + std::string(name): GCC 12 warns about that
  // at -O2 (-Wrestrict, a false alarm).
  std::string message = "\"";
  message.append(name).append("\" is not a file name.");
  return Error{ErrorCode::kInvalidArgument, std::move(message)};
}

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

// Not synced: the scratch file is removed before the save ends, and what
// must reach the device is the final file.
Status WriteAndReadBack(FileSystem& files, const std::filesystem::path& path,
                        std::span<const std::uint8_t> bytes) {
  {
    Result<std::unique_ptr<WritableFile>> created = files.Create(path);
    if (!created.ok()) return created.status();
    WritableFile& file = **created;
    if (Status written = file.Write(bytes); !written.ok()) return written;
    if (Status closed = file.Close(); !closed.ok()) return closed;
  }
  return VerifyWritten(files, path, bytes);
}

Status RemoveAfter(FileSystem& files, const std::filesystem::path& path, std::string_view what,
                   Status failure) {
  const Status removed = files.Remove(path);
  if (removed.ok()) return failure;
  std::string message = failure.message();
  message.append(" The ").append(what).append(" stays behind: ").append(removed.message());
  return Error{failure.error().code, std::move(message)};
}

}  // namespace quelmo
