#include "session/preference_store.h"

#include <algorithm>
#include <array>

#include "session/default_language.h"

namespace quelmo {
namespace {

constexpr std::string_view kLanguageValue = "language";
constexpr std::string_view kModelValue = "model";
constexpr std::string_view kTvModeValue = "TvMode";
constexpr std::string_view kCompanyValue = "Company";

constexpr std::uint16_t kDefaultModel = 1;
constexpr std::uint16_t kDefaultTvMode = 0;

std::uint16_t Low16(std::uint32_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }

// Model and TV mode: a missing value hands out the default but is reported
// as not loaded, so that start-up stores it.
bool LoadNumber(PreferenceBackend& backend, std::string_view name, std::uint16_t fallback,
                std::uint16_t& out) {
  const std::unique_ptr<PreferenceKey> key = backend.Open();
  if (key == nullptr) return false;
  const std::optional<std::uint32_t> value = key->QueryDword(name);
  if (!value.has_value()) {
    out = fallback;
    return false;
  }
  out = Low16(*value);
  return true;
}

bool StoreNumber(PreferenceBackend& backend, std::string_view name, std::uint16_t value) {
  // Only LoadLanguage creates the key; a store never does.
  const std::unique_ptr<PreferenceKey> key = backend.Open();
  if (key == nullptr) return false;
  return key->SetDword(name, value);
}

}  // namespace

PreferenceStore::PreferenceStore(PreferenceBackend& backend, std::uint16_t system_language_id)
    : backend_(backend), system_language_id_(system_language_id) {}

bool PreferenceStore::LoadLanguage(std::uint16_t& code) {
  const std::unique_ptr<PreferenceKey> key = backend_.Open();
  if (key == nullptr) {
    // The first run brings the key into being here, so the stores that follow
    // find it. Not loaded either way.
    (void)backend_.Create();
    return false;
  }
  const std::optional<std::uint32_t> value = key->QueryDword(kLanguageValue);
  // A key without "language" (made by an installer, say) uses the system's
  // language without storing it: the user's first pick will.
  code = value.has_value() ? Low16(*value) : DefaultLanguageCode(system_language_id_);
  return true;
}

bool PreferenceStore::StoreLanguage(std::uint16_t code) {
  return StoreNumber(backend_, kLanguageValue, code);
}

bool PreferenceStore::LoadModel(std::uint16_t& model) {
  return LoadNumber(backend_, kModelValue, kDefaultModel, model);
}

bool PreferenceStore::StoreModel(std::uint16_t model) {
  return StoreNumber(backend_, kModelValue, model);
}

bool PreferenceStore::LoadTvMode(std::uint16_t& tv_mode) {
  return LoadNumber(backend_, kTvModeValue, kDefaultTvMode, tv_mode);
}

bool PreferenceStore::StoreTvMode(std::uint16_t tv_mode) {
  return StoreNumber(backend_, kTvModeValue, tv_mode);
}

bool PreferenceStore::HasCompany() {
  const std::unique_ptr<PreferenceKey> key = backend_.Open();
  if (key == nullptr) return false;
  // Longer than the 260-byte buffer counts as absent and is written anew.
  return key->QueryString(kCompanyValue, kCompanyValueBytes).has_value();
}

bool PreferenceStore::StoreCompany() {
  const std::unique_ptr<PreferenceKey> key = backend_.Open();
  if (key == nullptr) return false;
  // Always the full 260 bytes: the text, its zero, zeros to the end.
  std::array<std::uint8_t, kCompanyValueBytes> data{};
  std::copy(kCompanyName.begin(), kCompanyName.end(), data.begin());
  return key->SetString(kCompanyValue, data);
}

}  // namespace quelmo
