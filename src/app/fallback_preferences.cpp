#include "app/fallback_preferences.h"

namespace quelmo {
namespace {

class FallbackKey final : public PreferenceKey {
 public:
  FallbackKey(std::unique_ptr<PreferenceKey> machine, bool machine_writable,
              std::unique_ptr<PreferenceKey> user, PreferenceBackend& user_backend)
      : machine_(std::move(machine)),
        machine_writable_(machine_writable),
        user_(std::move(user)),
        user_backend_(user_backend) {}

  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    if (user_ != nullptr) {
      if (auto value = user_->QueryDword(name)) return value;
    }
    return machine_ != nullptr ? machine_->QueryDword(name) : std::nullopt;
  }

  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    if (user_ != nullptr) {
      if (auto value = user_->QueryString(name, capacity)) return value;
    }
    return machine_ != nullptr ? machine_->QueryString(name, capacity) : std::nullopt;
  }

  bool SetDword(std::string_view name, std::uint32_t value) override {
    PreferenceKey* target = Target();
    return target != nullptr && target->SetDword(name, value);
  }

  bool SetString(std::string_view name, std::span<const std::uint8_t> data) override {
    PreferenceKey* target = Target();
    return target != nullptr && target->SetString(name, data);
  }

 private:
  PreferenceKey* Target() {
    if (user_ != nullptr) return user_.get();
    if (machine_writable_) return machine_.get();
    // The machine's key may only be read: the user gets a key of their own.
    if (user_backend_.Create()) user_ = user_backend_.Open();
    return user_.get();
  }

  std::unique_ptr<PreferenceKey> machine_;
  bool machine_writable_;
  std::unique_ptr<PreferenceKey> user_;
  PreferenceBackend& user_backend_;
};

}  // namespace

FallbackPreferenceBackend::FallbackPreferenceBackend(std::unique_ptr<PreferenceBackend> machine,
                                                     std::unique_ptr<PreferenceBackend> user)
    : machine_(std::move(machine)), user_(std::move(user)) {}

std::unique_ptr<PreferenceKey> FallbackPreferenceBackend::Open() {
  std::unique_ptr<PreferenceKey> user = user_->Open();
  std::unique_ptr<PreferenceKey> machine = machine_->Open();
  const bool machine_writable = machine != nullptr;
  if (machine == nullptr) machine = machine_->OpenForReading();
  if (user == nullptr && machine == nullptr) return nullptr;
  return std::make_unique<FallbackKey>(std::move(machine), machine_writable, std::move(user), *user_);
}

bool FallbackPreferenceBackend::Create() { return machine_->Create() || user_->Create(); }

}  // namespace quelmo
