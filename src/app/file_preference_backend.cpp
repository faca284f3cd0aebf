#include "app/file_preference_backend.h"

#include <algorithm>
#include <span>
#include <string>
#include <system_error>
#include <utility>

#include "app/preference_file_format.h"
#include "record/safe_write.h"

namespace quelmo {
namespace {

// Under the lock of the file's folder, which the caller holds.
Result<PreferenceFile> ReadPreferenceFile(FileSystem& files, const std::filesystem::path& file) {
  Result<std::vector<std::uint8_t>> bytes = files.ReadRegularFile(file, kPreferenceFileLimit);
  if (!bytes.ok()) return bytes.error();
  return PreferenceFile::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

Status WritePreferenceFile(FileSystem& files, const std::filesystem::path& file,
                           const PreferenceFile& contents) {
  const std::string text = contents.Text();
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                            text.size());
  return WriteFileAtomicallyLocked(files, file.parent_path(), PathToUtf8(file.filename()), bytes);
}

// The values as read when the key was opened; each change reads the file
// again under the lock, so that values another program stored meanwhile
// stay.
class FilePreferenceKey final : public PreferenceKey {
 public:
  FilePreferenceKey(std::filesystem::path file, FileSystem& files, PreferenceFile contents)
      : file_(std::move(file)), files_(files), contents_(std::move(contents)) {}

  // Any decimal number of up to 32 bits: the file has no sizes or types
  // for a value to be of the wrong one.
  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    const std::optional<std::string_view> value = contents_.Value(name);
    if (!value.has_value()) return std::nullopt;
    return ParsePreferenceNumber(*value);
  }

  // The text with its terminating zero must fit, as in the registry.
  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    const std::optional<std::string_view> value = contents_.Value(name);
    if (!value.has_value() || value->size() + 1 > capacity) return std::nullopt;
    return std::string(*value);
  }

  bool SetDword(std::string_view name, std::uint32_t number) override {
    return Set(name, std::to_string(number));
  }

  // The text up to its terminating zero; the zero padding is the registry's.
  bool SetString(std::string_view name, std::span<const std::uint8_t> data) override {
    const auto zero = std::find(data.begin(), data.end(), std::uint8_t{0});
    return Set(name, std::string(data.begin(), zero));
  }

 private:
  bool Set(std::string_view name, const std::string& value) {
    Result<std::unique_ptr<FolderLock>> lock =
        files_.LockFolder(file_.parent_path(), kPreferenceLockWait);
    if (!lock.ok()) return false;
    Result<PreferenceFile> current =
        files_.Exists(file_) ? ReadPreferenceFile(files_, file_) : PreferenceFile::Fresh();
    if (!current.ok() || !current->Set(name, value)) return false;
    if (!WritePreferenceFile(files_, file_, *current).ok()) return false;
    contents_ = std::move(*current);
    return true;
  }

  std::filesystem::path file_;
  FileSystem& files_;
  PreferenceFile contents_;
};

}  // namespace

FilePreferenceBackend::FilePreferenceBackend(std::filesystem::path folder, FileSystem& files)
    : folder_(std::move(folder)), files_(files) {}

std::unique_ptr<PreferenceKey> FilePreferenceBackend::Open() {
  const std::filesystem::path file = FollowLinks(FilePath());
  if (!files_.Exists(file)) return nullptr;
  // Opened for writing too: a folder the file cannot be replaced in is a key
  // that may not be written.
  if (!files_.CheckWritableFolder(file.parent_path()).ok()) return nullptr;
  Result<std::unique_ptr<FolderLock>> lock =
      files_.LockFolder(file.parent_path(), kPreferenceLockWait);
  if (!lock.ok()) return nullptr;
  // A file that cannot be read is left alone rather than overwritten.
  Result<PreferenceFile> contents = ReadPreferenceFile(files_, file);
  if (!contents.ok()) return nullptr;
  // Converted once; should that fail, the next store writes the new form.
  if (contents->converted()) (void)WritePreferenceFile(files_, file, *contents);
  return std::make_unique<FilePreferenceKey>(file, files_, std::move(*contents));
}

bool FilePreferenceBackend::Create() {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return false;
  const std::filesystem::path file = FollowLinks(FilePath());
  // Like creating a registry key that exists: nothing changes.
  if (files_.Exists(file)) return true;
  if (!files_.CheckWritableFolder(file.parent_path()).ok()) return false;
  Result<std::unique_ptr<FolderLock>> lock =
      files_.LockFolder(file.parent_path(), kPreferenceLockWait);
  if (!lock.ok()) return false;
  // Another start-up may have made it while this one waited.
  if (files_.Exists(file)) return true;
  return WritePreferenceFile(files_, file, PreferenceFile::Fresh()).ok();
}

std::filesystem::path FollowLinks(const std::filesystem::path& path) {
  // As many links as the system itself follows before it calls it a loop.
  constexpr int kMaxLinks = 40;
  std::filesystem::path current = path;
  for (int followed = 0; followed < kMaxLinks; ++followed) {
    std::error_code error;
    if (!std::filesystem::is_symlink(current, error)) return current;
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) return current;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return path;
}

std::filesystem::path PreferenceFolderFrom(std::string_view xdg_config_home, std::string_view home) {
  const std::filesystem::path xdg(xdg_config_home);
  // Relative values are to be ignored, as the base directory rules say.
  if (!xdg_config_home.empty() && xdg.is_absolute()) return xdg / "quelmo";
  return std::filesystem::path(home) / ".config" / "quelmo";
}

}  // namespace quelmo
