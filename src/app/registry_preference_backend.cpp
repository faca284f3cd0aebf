#include "app/registry_preference_backend.h"

#include <algorithm>
#include <string>

namespace quelmo {
namespace {

class RegistryPreferenceKey final : public PreferenceKey {
 public:
  explicit RegistryPreferenceKey(HKEY key) : key_(key) {}
  ~RegistryPreferenceKey() override { RegCloseKey(key_); }

  RegistryPreferenceKey(const RegistryPreferenceKey&) = delete;
  RegistryPreferenceKey& operator=(const RegistryPreferenceKey&) = delete;

  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    const std::string value_name(name);
    DWORD number = 0;
    DWORD size = sizeof number;
    const LONG result = RegQueryValueExA(key_, value_name.c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(&number), &size);
    // Only a missing value or one longer than 4 bytes (ERROR_MORE_DATA)
    // fails the query; shorter data of any type fills the low bytes of the
    // zeroed number.
    if (result != ERROR_SUCCESS || size > sizeof number) return std::nullopt;
    return static_cast<std::uint32_t>(number);
  }

  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    const std::string value_name(name);
    std::string buffer(capacity, '\0');
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(capacity);
    const LONG result = RegQueryValueExA(key_, value_name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    buffer.resize(std::min<std::size_t>(size, capacity));
    return buffer.substr(0, buffer.find('\0'));
  }

  bool SetDword(std::string_view name, std::uint32_t value) override {
    const std::string value_name(name);
    const DWORD number = value;
    return RegSetValueExA(key_, value_name.c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
  }

  bool SetString(std::string_view name, std::span<const std::uint8_t> data) override {
    const std::string value_name(name);
    return RegSetValueExA(key_, value_name.c_str(), 0, REG_SZ, data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

}  // namespace

RegistryPreferenceBackend::RegistryPreferenceBackend(HKEY root) : root_(root) {}

std::unique_ptr<PreferenceKey> RegistryPreferenceBackend::Open() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, kPreferenceKeyPath, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<RegistryPreferenceKey>(key);
}

std::unique_ptr<PreferenceKey> RegistryPreferenceBackend::OpenForReading() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root_, kPreferenceKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<RegistryPreferenceKey>(key);
}

bool RegistryPreferenceBackend::Create() {
  HKEY key = nullptr;
  if (RegCreateKeyA(root_, kPreferenceKeyPath, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace quelmo
