// The preference store on the real registry, under a scratch key of the
// test's own in HKEY_CURRENT_USER: value types, data sizes and the rules of
// the eight operations as the registry itself sees them.

#include "app/registry_preference_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/preference_store.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kGermanLiechtenstein = 0x1407;

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> data;
};

// A key HKCU\Software\QuelmoTests\<process>-<test>, used as the root the
// backend puts its key path under; removed with all below it at the end.
class ScratchRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_path_ = "Software\\QuelmoTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch_path_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &root_, nullptr),
              ERROR_SUCCESS);
  }

  void TearDown() override {
    if (root_ != nullptr) RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch_path_.c_str());
    // The parent goes too when no other test process still uses it.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuelmoTests");
  }

  bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, kPreferenceKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  void MakeKey() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(root_, kPreferenceKeyPath, &key), ERROR_SUCCESS);
    RegCloseKey(key);
  }

  void SetRaw(const char* name, DWORD type, const std::vector<std::uint8_t>& data) {
    ASSERT_EQ(RegSetKeyValueA(root_, kPreferenceKeyPath, name, type, data.data(),
                              static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
  }

  void SetRawDword(const char* name, std::uint32_t value) {
    SetRaw(name, REG_DWORD,
           {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
  }

  // The value as RegQueryValueExA reports it: type, size and data bytes.
  std::optional<RawValue> QueryRaw(const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, kPreferenceKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
      value.data.resize(size);
      result = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return value;
  }

  void ExpectRaw(const char* name, DWORD type, const std::vector<std::uint8_t>& data) {
    const std::optional<RawValue> value = QueryRaw(name);
    ASSERT_TRUE(value.has_value()) << name;
    EXPECT_EQ(value->type, type) << name;
    EXPECT_EQ(value->data, data) << name;
  }

  HKEY root_ = nullptr;
  std::string scratch_path_;
};

TEST_F(ScratchRegistryTest, FirstRunCreatesTheKeyAndStoresDefaultsWithTheirTypesAndSizes) {
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kEnglishUs);

  std::uint16_t code = 0;
  EXPECT_FALSE(store.LoadLanguage(code));
  EXPECT_TRUE(KeyExists());
  EXPECT_TRUE(store.StoreLanguage(2));
  std::uint16_t model = 0;
  EXPECT_FALSE(store.LoadModel(model));
  EXPECT_EQ(model, 1);
  EXPECT_TRUE(store.StoreModel(1));
  std::uint16_t tv_mode = 7;
  EXPECT_FALSE(store.LoadTvMode(tv_mode));
  EXPECT_EQ(tv_mode, 0);
  EXPECT_TRUE(store.StoreTvMode(0));
  EXPECT_FALSE(store.HasCompany());
  EXPECT_TRUE(store.StoreCompany());

  ExpectRaw("language", REG_DWORD, {0x02, 0x00, 0x00, 0x00});
  ExpectRaw("model", REG_DWORD, {0x01, 0x00, 0x00, 0x00});
  ExpectRaw("TvMode", REG_DWORD, {0x00, 0x00, 0x00, 0x00});
  std::vector<std::uint8_t> company(260, 0);
  std::copy(kCompanyName.begin(), kCompanyName.end(), company.begin());
  ExpectRaw("Company", REG_SZ, company);

  // The next run loads them all.
  EXPECT_TRUE(store.LoadLanguage(code));
  EXPECT_EQ(code, 2);
  EXPECT_TRUE(store.LoadModel(model));
  EXPECT_TRUE(store.LoadTvMode(tv_mode));
  EXPECT_TRUE(store.HasCompany());
}

TEST_F(ScratchRegistryTest, NumbersLoadTheirLow16BitsAndStoreZeroExtended) {
  MakeKey();
  SetRawDword("language", 0x00010003);
  SetRawDword("model", 0xFFFF0002);
  SetRawDword("TvMode", 0x80000001);
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kEnglishUs);

  std::uint16_t value = 0;
  EXPECT_TRUE(store.LoadLanguage(value));
  EXPECT_EQ(value, 3);
  EXPECT_TRUE(store.LoadModel(value));
  EXPECT_EQ(value, 2);
  EXPECT_TRUE(store.LoadTvMode(value));
  EXPECT_EQ(value, 1);

  EXPECT_TRUE(store.StoreModel(0xFFFF));
  ExpectRaw("model", REG_DWORD, {0xFF, 0xFF, 0x00, 0x00});
}

TEST_F(ScratchRegistryTest, AMissingValueIsNotLoadedButAZeroIs) {
  MakeKey();
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kEnglishUs);

  std::uint16_t tv_mode = 9;
  EXPECT_FALSE(store.LoadTvMode(tv_mode));
  EXPECT_EQ(tv_mode, 0);

  SetRawDword("TvMode", 0);
  tv_mode = 9;
  EXPECT_TRUE(store.LoadTvMode(tv_mode));
  EXPECT_EQ(tv_mode, 0);
}

// A number loads from up to 4 bytes of any type, the missing high bytes
// zero; only a longer value counts as missing.
TEST_F(ScratchRegistryTest, NumbersLoadFromUpTo4BytesOfAnyTypeAndNotFromMore) {
  struct Case {
    DWORD type;
    std::vector<std::uint8_t> data;
    std::optional<std::uint16_t> loaded;
  };
  const Case cases[] = {
      {REG_DWORD, {0x05, 0x00, 0x00, 0x00}, 5},
      {REG_DWORD, {0x07, 0x01}, 0x0107},
      {REG_BINARY, {0x04}, 4},
      {REG_BINARY, {}, 0},
      {REG_BINARY, {0x02, 0x00, 0x00, 0x00}, 2},
      {REG_QWORD, {0x03, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},
      {REG_BINARY, {0x03, 0, 0, 0, 0}, std::nullopt},
  };
  for (const Case& c : cases) {
    MakeKey();
    SetRaw("model", c.type, c.data);
    SetRaw("TvMode", c.type, c.data);
    RegistryPreferenceBackend backend(root_);
    PreferenceStore store(backend, kEnglishUs);
    std::uint16_t model = 9, tv_mode = 9;
    EXPECT_EQ(store.LoadModel(model), c.loaded.has_value()) << c.type << " " << c.data.size();
    EXPECT_EQ(store.LoadTvMode(tv_mode), c.loaded.has_value());
    EXPECT_EQ(model, c.loaded.value_or(1));
    EXPECT_EQ(tv_mode, c.loaded.value_or(0));
  }
  // The language falls back to the system's and still counts as loaded.
  SetRaw("language", REG_QWORD, {0x03, 0, 0, 0, 0, 0, 0, 0});
  RegistryPreferenceBackend backend(root_);
  std::uint16_t code = 0;
  EXPECT_TRUE(PreferenceStore(backend, kEnglishUs).LoadLanguage(code));
  EXPECT_EQ(code, 2);
}

TEST_F(ScratchRegistryTest, AKeyWithoutLanguageUsesTheSystemLanguageWithoutStoringIt) {
  MakeKey();
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kGermanLiechtenstein);

  std::uint16_t code = 0;
  EXPECT_TRUE(store.LoadLanguage(code));
  EXPECT_EQ(code, 3);
  EXPECT_FALSE(QueryRaw("language").has_value());
}

TEST_F(ScratchRegistryTest, CompanyCountsOnlyWhenItFitsIn260Bytes) {
  MakeKey();
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kEnglishUs);

  std::vector<std::uint8_t> fits(259, 'x');
  fits.push_back(0);
  SetRaw("Company", REG_SZ, fits);
  EXPECT_TRUE(store.HasCompany());

  std::vector<std::uint8_t> too_long(300, 'x');
  too_long.push_back(0);
  SetRaw("Company", REG_SZ, too_long);
  EXPECT_FALSE(store.HasCompany());

  EXPECT_TRUE(store.StoreCompany());
  EXPECT_TRUE(store.HasCompany());
  EXPECT_EQ(QueryRaw("Company")->data.size(), 260u);
}

TEST_F(ScratchRegistryTest, StoresNeverCreateTheKey) {
  RegistryPreferenceBackend backend(root_);
  PreferenceStore store(backend, kEnglishUs);

  EXPECT_FALSE(store.StoreModel(1));
  EXPECT_FALSE(store.StoreTvMode(0));
  EXPECT_FALSE(store.StoreCompany());
  EXPECT_FALSE(store.HasCompany());
  std::uint16_t model = 5;
  EXPECT_FALSE(store.LoadModel(model));
  EXPECT_EQ(model, 5);
  EXPECT_FALSE(KeyExists());
}

}  // namespace
}  // namespace quelmo
