#include "app/file_preference_backend.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "app/preference_file_format.h"
#include "record/safe_write.h"

namespace quelmo {
namespace {

// A name the file's line format can carry.
bool WritableName(std::string_view name) {
  return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
  });
}

Status WritePreferenceFile(FileSystem& files, const std::filesystem::path& folder,
                           const std::vector<StoredValue>& values) {
  const std::string text = FormatPreferenceFile(kPreferenceKeyPath, values);
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                            text.size());
  return WriteFileAtomically(files, folder, kPreferenceFileName, bytes);
}

// The key as read when it was opened; each change writes the whole file.
class FilePreferenceKey final : public PreferenceKey {
 public:
  FilePreferenceKey(std::filesystem::path folder, FileSystem& files, std::vector<StoredValue> values)
      : folder_(std::move(folder)), files_(files), values_(std::move(values)) {}

  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    const StoredValue* value = Find(name);
    if (value == nullptr || value->type != StoredValueType::kDword || value->data.size() != 4) {
      return std::nullopt;
    }
    const std::vector<std::uint8_t>& d = value->data;
    return static_cast<std::uint32_t>(d[0]) | (static_cast<std::uint32_t>(d[1]) << 8) |
           (static_cast<std::uint32_t>(d[2]) << 16) | (static_cast<std::uint32_t>(d[3]) << 24);
  }

  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    const StoredValue* value = Find(name);
    if (value == nullptr || value->type != StoredValueType::kString || value->data.size() > capacity) {
      return std::nullopt;
    }
    const auto zero = std::find(value->data.begin(), value->data.end(), std::uint8_t{0});
    return std::string(value->data.begin(), zero);
  }

  bool SetDword(std::string_view name, std::uint32_t number) override {
    const std::vector<std::uint8_t> data = {
        static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    return Set(name, StoredValueType::kDword, data);
  }

  bool SetString(std::string_view name, std::span<const std::uint8_t> data) override {
    return Set(name, StoredValueType::kString, std::vector<std::uint8_t>(data.begin(), data.end()));
  }

 private:
  const StoredValue* Find(std::string_view name) const {
    const auto it = std::find_if(values_.begin(), values_.end(),
                                 [&](const StoredValue& v) { return SameValueName(v.name, name); });
    return it == values_.end() ? nullptr : &*it;
  }

  bool Set(std::string_view name, StoredValueType type, std::vector<std::uint8_t> data) {
    if (!WritableName(name)) return false;
    std::vector<StoredValue> changed = values_;
    const auto it = std::find_if(changed.begin(), changed.end(),
                                 [&](const StoredValue& v) { return SameValueName(v.name, name); });
    StoredValue value{std::string(name), type, std::move(data)};
    if (it != changed.end()) {
      value.name = it->name;  // the registry keeps the name as first written
      *it = std::move(value);
    } else {
      changed.push_back(std::move(value));
    }
    if (!WritePreferenceFile(files_, folder_, changed).ok()) return false;
    values_ = std::move(changed);
    return true;
  }

  std::filesystem::path folder_;
  FileSystem& files_;
  std::vector<StoredValue> values_;
};

}  // namespace

FilePreferenceBackend::FilePreferenceBackend(std::filesystem::path folder, FileSystem& files)
    : folder_(std::move(folder)), files_(files) {}

std::unique_ptr<PreferenceKey> FilePreferenceBackend::Open() {
  const std::filesystem::path path = FilePath();
  if (!files_.Exists(path)) return nullptr;
  // Opened for writing too: a folder the file cannot be replaced in is a key
  // that may not be written.
  if (!files_.CheckWritableFolder(folder_).ok()) return nullptr;
  // A file that cannot be read is left alone rather than overwritten.
  Result<std::vector<std::uint8_t>> bytes = files_.ReadAll(path);
  if (!bytes.ok()) return nullptr;
  return std::make_unique<FilePreferenceKey>(folder_, files_, ParsePreferenceFile(*bytes));
}

bool FilePreferenceBackend::Create() {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return false;
  // Like creating a registry key that exists: nothing changes.
  if (files_.Exists(FilePath())) return true;
  return WritePreferenceFile(files_, folder_, {}).ok();
}

std::filesystem::path PreferenceFolderFrom(std::string_view xdg_config_home, std::string_view home) {
  const std::filesystem::path xdg(xdg_config_home);
  // Relative values are to be ignored, as the base directory rules say.
  if (!xdg_config_home.empty() && xdg.is_absolute()) return xdg / "quelmo";
  return std::filesystem::path(home) / ".config" / "quelmo";
}

}  // namespace quelmo
