#pragma once
// The program's stored preferences: one key holding four values, reached
// through eight small operations with the success rules the launcher relies
// on. The key lives in a backend: the registry on Windows, a small file under
// the user's configuration folder elsewhere.
//
//   key   HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\Quelmo.exe
//   "language"  REG_DWORD, 4 bytes, low 16 bits count
//   "model"     REG_DWORD, 4 bytes, low 16 bits count
//   "TvMode"    REG_DWORD, 4 bytes, low 16 bits count
//   "Company"   REG_SZ, always 260 bytes: text, zero, zero padding

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quelmo {

inline constexpr const char* kPreferenceKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quelmo.exe";
inline constexpr std::size_t kCompanyValueBytes = 260;
// The maker's name kept in "Company": 36 ASCII characters.
inline constexpr std::string_view kCompanyName = "Quelmo Outdoor Electronics Co., Ltd.";
static_assert(kCompanyName.size() == 36);

// An open key; closed when destroyed.
class PreferenceKey {
 public:
  virtual ~PreferenceKey() = default;
  // A value of at most 4 bytes, of whatever type, as a little-endian number
  // (bytes it lacks count as zero); nullopt when missing or longer.
  virtual std::optional<std::uint32_t> QueryDword(std::string_view name) = 0;
  // A REG_SZ whose data fits in `capacity` bytes; nullopt when missing or longer.
  virtual std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) = 0;
  virtual bool SetDword(std::string_view name, std::uint32_t value) = 0;
  // A REG_SZ with exactly these data bytes (the terminating zero included).
  virtual bool SetString(std::string_view name, std::span<const std::uint8_t> data) = 0;
};

class PreferenceBackend {
 public:
  virtual ~PreferenceBackend() = default;
  // Opens the key for reading and writing; nullptr when it is missing or may
  // not be written.
  virtual std::unique_ptr<PreferenceKey> Open() = 0;
  // Opens an existing key for reading only, also one that may not be
  // written (its Set calls then fail); nullptr when it is missing.
  virtual std::unique_ptr<PreferenceKey> OpenForReading() { return Open(); }
  // Creates the key with the system's default access; whether that worked.
  virtual bool Create() = 0;
};

// The eight operations. Each opens the key afresh and closes it before it
// returns.
class PreferenceStore {
 public:
  PreferenceStore(PreferenceBackend& backend, std::uint16_t system_language_id);

  bool LoadLanguage(std::uint16_t& code);
  bool StoreLanguage(std::uint16_t code);
  bool LoadModel(std::uint16_t& model);
  bool StoreModel(std::uint16_t model);
  bool LoadTvMode(std::uint16_t& tv_mode);
  bool StoreTvMode(std::uint16_t tv_mode);
  bool HasCompany();
  bool StoreCompany();

 private:
  PreferenceBackend& backend_;
  std::uint16_t system_language_id_;
};

}  // namespace quelmo
