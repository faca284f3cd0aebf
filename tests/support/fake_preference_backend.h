#pragma once
// An in-memory preference key, with switches for the cases a real key can
// be in: missing, present but not writable, holding a value of another type
// or size. Values are raw bytes, as the registry keeps them.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "session/preference_store.h"

namespace quelmo {

enum class FakeValueType { kDword, kString };

struct FakeValue {
  FakeValueType type = FakeValueType::kDword;
  std::vector<std::uint8_t> data;
};

class FakePreferenceBackend final : public PreferenceBackend {
 public:
  // --- the key's situation ---
  void SetKeyExists(bool exists) { key_exists_ = exists; }
  // A key that may not be written: it cannot be opened nor created.
  void SetWritable(bool writable) { writable_ = writable; }
  void PutDword(const std::string& name, std::uint32_t value);
  void PutRaw(const std::string& name, FakeValueType type, std::vector<std::uint8_t> data);
  void Erase(const std::string& name) { values_.erase(name); }

  // --- what is stored ---
  bool KeyExists() const { return key_exists_; }
  bool Has(const std::string& name) const { return values_.count(name) != 0; }
  std::optional<FakeValue> Value(const std::string& name) const;
  // A value of up to 4 bytes of any type as a number, as the registry
  // reads one into a zeroed DWORD; nullopt when missing or longer.
  std::optional<std::uint32_t> Dword(const std::string& name) const;
  int CreateCalls() const { return create_calls_; }

  // --- PreferenceBackend ---
  std::unique_ptr<PreferenceKey> Open() override;
  std::unique_ptr<PreferenceKey> OpenForReading() override;
  bool Create() override;

 private:
  friend class FakePreferenceKey;

  bool key_exists_ = false;
  bool writable_ = true;
  std::map<std::string, FakeValue> values_;
  int create_calls_ = 0;
};

}  // namespace quelmo
