#include "app/program_session.h"

#include "app/default_folder.h"
#include "app/startup.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace quelmo {
namespace {

class ReadOnlyKey final : public PreferenceKey {
 public:
  explicit ReadOnlyKey(std::unique_ptr<PreferenceKey> key) : key_(std::move(key)) {}
  std::optional<std::uint32_t> QueryDword(std::string_view name) override {
    return key_->QueryDword(name);
  }
  std::optional<std::string> QueryString(std::string_view name, std::size_t capacity) override {
    return key_->QueryString(name, capacity);
  }
  bool SetDword(std::string_view, std::uint32_t) override { return false; }
  bool SetString(std::string_view, std::span<const std::uint8_t>) override { return false; }

 private:
  std::unique_ptr<PreferenceKey> key_;
};

class ReadOnlyBackend final : public PreferenceBackend {
 public:
  explicit ReadOnlyBackend(std::unique_ptr<PreferenceBackend> backend)
      : backend_(std::move(backend)) {}
  std::unique_ptr<PreferenceKey> Open() override {
    std::unique_ptr<PreferenceKey> key = backend_->Open();
    if (key == nullptr) return nullptr;
    return std::make_unique<ReadOnlyKey>(std::move(key));
  }
  bool Create() override { return false; }

 private:
  std::unique_ptr<PreferenceBackend> backend_;
};

}  // namespace

ProgramSession::ProgramSession(std::unique_ptr<PreferenceBackend> backend,
                               std::uint16_t system_language_id, std::optional<int> language)
    : backend_(std::move(backend)),
      store_(*backend_, system_language_id),
      state_(StartUp(store_, system_language_id)),
      context_{state_, store_, SystemFileSystem(), SystemLocalClock(),
               FormsDefaultFolder(SystemVolumeSource())} {
  if (language.has_value()) state_.languageIndex = *language;
}

std::unique_ptr<PreferenceBackend> ReadOnlyPreferences(std::unique_ptr<PreferenceBackend> backend) {
  return std::make_unique<ReadOnlyBackend>(std::move(backend));
}

}  // namespace quelmo
