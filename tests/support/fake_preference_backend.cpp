#include "support/fake_preference_backend.h"

namespace quelmo {

class FakePreferenceKey final : public PreferenceKey {
 public:
  FakePreferenceKey(FakePreferenceBackend& backend, bool writable)
      : backend_(backend), writable_(writable) {}

  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    return backend_.Dword(std::string(name));
  }

  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    const std::optional<FakeValue> value = backend_.Value(std::string(name));
    if (!value.has_value() || value->type != FakeValueType::kString || value->data.size() > capacity) {
      return std::nullopt;
    }
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
  }

  bool SetDword(std::string_view name, std::uint32_t value) override {
    if (!writable_) return false;
    backend_.PutDword(std::string(name), value);
    return true;
  }

  bool SetString(std::string_view name, std::span<const std::uint8_t> data) override {
    if (!writable_) return false;
    backend_.PutRaw(std::string(name), FakeValueType::kString, {data.begin(), data.end()});
    return true;
  }

 private:
  FakePreferenceBackend& backend_;
  bool writable_;
};

void FakePreferenceBackend::PutDword(const std::string& name, std::uint32_t value) {
  PutRaw(name, FakeValueType::kDword,
         {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void FakePreferenceBackend::PutRaw(const std::string& name, FakeValueType type,
                                   std::vector<std::uint8_t> data) {
  key_exists_ = true;
  values_[name] = FakeValue{type, std::move(data)};
}

std::optional<FakeValue> FakePreferenceBackend::Value(const std::string& name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? std::nullopt : std::optional<FakeValue>(it->second);
}

std::optional<std::uint32_t> FakePreferenceBackend::Dword(const std::string& name) const {
  const std::optional<FakeValue> value = Value(name);
  if (!value.has_value() || value->data.size() > 4) return std::nullopt;
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < value->data.size(); ++i) {
    number |= static_cast<std::uint32_t>(value->data[i]) << (8 * i);
  }
  return number;
}

std::unique_ptr<PreferenceKey> FakePreferenceBackend::Open() {
  if (!key_exists_ || !writable_) return nullptr;
  return std::make_unique<FakePreferenceKey>(*this, true);
}

std::unique_ptr<PreferenceKey> FakePreferenceBackend::OpenForReading() {
  if (!key_exists_) return nullptr;
  return std::make_unique<FakePreferenceKey>(*this, writable_);
}

bool FakePreferenceBackend::Create() {
  ++create_calls_;
  if (!writable_) return false;
  key_exists_ = true;
  return true;
}

}  // namespace quelmo
