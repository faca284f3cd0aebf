#include "session/preference_store.h"

#include <gtest/gtest.h>

#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kUntouched = 0xBEEF;

class PreferenceStoreTest : public testing::Test {
 protected:
  FakePreferenceBackend backend_;
  PreferenceStore store_{backend_, kEnglishUs};
};

TEST_F(PreferenceStoreTest, LoadLanguageAloneCreatesAMissingKeyAndReportsNotLoaded) {
  std::uint16_t model = kUntouched;
  EXPECT_FALSE(store_.LoadModel(model));
  EXPECT_EQ(model, kUntouched);
  EXPECT_FALSE(store_.StoreModel(1));
  EXPECT_FALSE(backend_.KeyExists()) << "loads and stores never create the key";

  std::uint16_t code = kUntouched;
  EXPECT_FALSE(store_.LoadLanguage(code));
  EXPECT_EQ(code, kUntouched);
  EXPECT_TRUE(backend_.KeyExists());
  EXPECT_FALSE(backend_.Has("language"));

  EXPECT_TRUE(store_.StoreLanguage(2));
  EXPECT_EQ(backend_.Dword("language"), 2u);
}

TEST_F(PreferenceStoreTest, KeyWithoutLanguageHandsOutTheSystemDefaultAsLoadedWithoutStoringIt) {
  backend_.SetKeyExists(true);
  const std::pair<std::uint16_t, std::uint16_t> system_to_code[] = {
      {0x0804, 1}, {0x1407, 3}, {0x0407, 2}, {0x0409, 2}, {0x0404, 2}};
  for (const auto& [system_id, expected] : system_to_code) {
    PreferenceStore store(backend_, system_id);
    std::uint16_t code = 0;
    EXPECT_TRUE(store.LoadLanguage(code)) << std::hex << system_id;
    EXPECT_EQ(code, expected) << std::hex << system_id;
  }
  EXPECT_FALSE(backend_.Has("language"));
}

TEST_F(PreferenceStoreTest, OnlyTheLow16BitsOfAStoredNumberCount) {
  backend_.PutDword("language", 0x00010003);
  backend_.PutDword("model", 0xFFFF0002);
  backend_.PutDword("TvMode", 0x12340001);
  std::uint16_t code = 0, model = 0, tv_mode = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_TRUE(store_.LoadModel(model));
  EXPECT_TRUE(store_.LoadTvMode(tv_mode));
  EXPECT_EQ(code, 3);
  EXPECT_EQ(model, 2);
  EXPECT_EQ(tv_mode, 1);
}

TEST_F(PreferenceStoreTest, NumbersAreStoredAsFourLittleEndianBytes) {
  backend_.SetKeyExists(true);
  EXPECT_TRUE(store_.StoreTvMode(0x0102));
  const std::optional<FakeValue> value = backend_.Value("TvMode");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, FakeValueType::kDword);
  EXPECT_EQ(value->data, (std::vector<std::uint8_t>{0x02, 0x01, 0x00, 0x00}));
}

TEST_F(PreferenceStoreTest, MissingOrMisshapenNumbersGiveTheirDefaultsAsNotLoaded) {
  backend_.SetKeyExists(true);
  std::uint16_t model = kUntouched, tv_mode = kUntouched;
  EXPECT_FALSE(store_.LoadModel(model));
  EXPECT_FALSE(store_.LoadTvMode(tv_mode));
  EXPECT_EQ(model, 1);
  EXPECT_EQ(tv_mode, 0);

  backend_.PutRaw("model", FakeValueType::kDword, {5, 0, 0, 0, 0, 0, 0, 0});
  backend_.PutRaw("language", FakeValueType::kDword, {5, 0, 0, 0, 0});
  model = kUntouched;
  EXPECT_FALSE(store_.LoadModel(model));
  EXPECT_EQ(model, 1);
  std::uint16_t code = 0;
  EXPECT_TRUE(store_.LoadLanguage(code));
  EXPECT_EQ(code, 2) << "a value longer than 4 bytes reads as missing";
}

// Only a value longer than 4 bytes fails a load: shorter ones, of any type,
// are read as the registry reads them into a zeroed number.
TEST_F(PreferenceStoreTest, ShorterNumbersOfAnyTypeLoadAsTheirLowBytes) {
  struct Case {
    FakeValueType type;
    std::vector<std::uint8_t> data;
    std::uint16_t loaded;
  };
  const Case cases[] = {
      {FakeValueType::kDword, {3}, 3},
      {FakeValueType::kDword, {0x34, 0x12}, 0x1234},
      {FakeValueType::kDword, {1, 0, 1}, 1},
      {FakeValueType::kString, {7, 0}, 7},
      {FakeValueType::kDword, {}, 0},
  };
  for (const Case& c : cases) {
    backend_.PutRaw("language", c.type, c.data);
    backend_.PutRaw("model", c.type, c.data);
    std::uint16_t code = kUntouched, model = kUntouched;
    EXPECT_TRUE(store_.LoadLanguage(code));
    EXPECT_TRUE(store_.LoadModel(model));
    EXPECT_EQ(code, c.loaded);
    EXPECT_EQ(model, c.loaded);
  }
}

TEST_F(PreferenceStoreTest, CompanyIsStoredAsTheFull260ByteText) {
  backend_.SetKeyExists(true);
  EXPECT_FALSE(store_.HasCompany());
  EXPECT_TRUE(store_.StoreCompany());
  const std::optional<FakeValue> value = backend_.Value("Company");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, FakeValueType::kString);
  ASSERT_EQ(value->data.size(), 260u);
  const std::string expected = "Quelmo Outdoor Electronics Co., Ltd.";
  EXPECT_EQ(std::string(value->data.begin(), value->data.begin() + 36), expected);
  for (std::size_t i = 36; i < 260; ++i) ASSERT_EQ(value->data[i], 0) << i;
  EXPECT_TRUE(store_.HasCompany());
}

TEST_F(PreferenceStoreTest, CompanyOfAnyTextUpTo260BytesCountsAndLongerDoesNot) {
  backend_.PutRaw("Company", FakeValueType::kString, std::vector<std::uint8_t>(260, 'x'));
  EXPECT_TRUE(store_.HasCompany());
  backend_.PutRaw("Company", FakeValueType::kString, {'A', 0});
  EXPECT_TRUE(store_.HasCompany());
  backend_.PutRaw("Company", FakeValueType::kString, std::vector<std::uint8_t>(261, 'x'));
  EXPECT_FALSE(store_.HasCompany());
}

TEST_F(PreferenceStoreTest, UnwritableKeyFailsEveryOperationAndCreatesNothing) {
  backend_.PutDword("language", 3);
  backend_.SetWritable(false);
  std::uint16_t value = kUntouched;
  EXPECT_FALSE(store_.LoadLanguage(value));
  EXPECT_FALSE(store_.LoadModel(value));
  EXPECT_FALSE(store_.LoadTvMode(value));
  EXPECT_EQ(value, kUntouched);
  EXPECT_FALSE(store_.StoreLanguage(2));
  EXPECT_FALSE(store_.StoreModel(1));
  EXPECT_FALSE(store_.StoreTvMode(0));
  EXPECT_FALSE(store_.HasCompany());
  EXPECT_FALSE(store_.StoreCompany());
  EXPECT_EQ(backend_.Dword("language"), 3u);
  EXPECT_FALSE(backend_.Has("model"));
}

}  // namespace
}  // namespace quelmo
