#include "app/startup.h"

#include <gtest/gtest.h>

#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kChinesePrc = 0x0804;

AppState Start(FakePreferenceBackend& backend, std::uint16_t system_id) {
  PreferenceStore store(backend, system_id);
  return StartUp(store, system_id);
}

TEST(StartUp, FirstRunOnAnEnglishSystemCreatesTheKeyAndStoresEveryDefault) {
  FakePreferenceBackend backend;
  const AppState state = Start(backend, kEnglishUs);

  EXPECT_EQ(state.languageIndex, 2);
  EXPECT_EQ(state.modelIndex, 1);
  EXPECT_EQ(state.tvMode, 0);
  EXPECT_EQ(backend.Dword("language"), 2u);
  EXPECT_EQ(backend.Dword("model"), 1u);
  EXPECT_EQ(backend.Dword("TvMode"), 0u);
  ASSERT_TRUE(backend.Has("Company"));
  EXPECT_EQ(backend.Value("Company")->data.size(), 260u);
}

TEST(StartUp, FirstRunLanguageFollowsTheSystemGermanOnlyForLiechtenstein) {
  FakePreferenceBackend liechtenstein, germany, china;
  EXPECT_EQ(Start(liechtenstein, 0x1407).languageIndex, 3);
  EXPECT_EQ(liechtenstein.Dword("language"), 3u);
  EXPECT_EQ(Start(germany, 0x0407).languageIndex, 2);
  const AppState chinese = Start(china, kChinesePrc);
  EXPECT_EQ(chinese.languageIndex, 1);
  EXPECT_EQ(china.Dword("language"), 1u);
}

TEST(StartUp, KeyWithoutLanguageUsesTheSystemDefaultWithoutStoringIt) {
  FakePreferenceBackend backend;
  backend.SetKeyExists(true);
  EXPECT_EQ(Start(backend, 0x1407).languageIndex, 3);
  EXPECT_FALSE(backend.Has("language"));
  EXPECT_EQ(backend.Dword("model"), 1u);
}

TEST(StartUp, StoredChineseShowsChineseOnAnySystem) {
  for (const std::uint16_t system : {kEnglishUs, kChinesePrc}) {
    FakePreferenceBackend backend;
    backend.PutDword("language", 1);
    const AppState state = Start(backend, system);
    EXPECT_EQ(state.languageIndex, 1) << system;
    EXPECT_EQ(state.cameraLanguage(), 1) << system;
    EXPECT_EQ(backend.Dword("language"), 1u) << system;
  }
}

TEST(StartUp, StoredCodesAreTakenUnchangedEvenOutsideTheKnownLanguages) {
  for (const std::uint32_t stored : {5u, 11u, 12u, 0u}) {
    FakePreferenceBackend backend;
    backend.PutDword("language", stored);
    const AppState state = Start(backend, kChinesePrc);
    EXPECT_EQ(state.languageIndex, static_cast<int>(stored));
    EXPECT_EQ(state.cameraLanguage(), static_cast<int>(stored));
    EXPECT_EQ(backend.Dword("language"), stored);
  }
}

TEST(StartUp, StoredModelAndTvModeAreTakenAsTheirLow16Bits) {
  FakePreferenceBackend backend;
  backend.PutDword("language", 0x00010003);
  backend.PutDword("model", 2);
  backend.PutDword("TvMode", 0x00020001);
  const AppState state = Start(backend, kEnglishUs);
  EXPECT_EQ(state.languageIndex, 3);
  EXPECT_EQ(state.modelIndex, 2);
  EXPECT_EQ(state.tvMode, 1);
  EXPECT_EQ(backend.Dword("model"), 2u);
}

TEST(StartUp, UnwritableKeyStartsFromTheDefaultsAndStoresNothing) {
  FakePreferenceBackend backend;
  backend.SetWritable(false);
  const AppState state = Start(backend, 0x1407);
  EXPECT_EQ(state.languageIndex, 3);
  EXPECT_EQ(state.modelIndex, 1);
  EXPECT_EQ(state.tvMode, 0);
  EXPECT_FALSE(backend.KeyExists());
}

TEST(StartUp, CompanyIsRewrittenOnlyWhenAbsentOrTooLong) {
  FakePreferenceBackend kept;
  kept.PutRaw("Company", FakeValueType::kString, {'O', 't', 'h', 'e', 'r', 0});
  (void)Start(kept, kEnglishUs);
  EXPECT_EQ(kept.Value("Company")->data.size(), 6u);

  FakePreferenceBackend too_long;
  too_long.PutRaw("Company", FakeValueType::kString, std::vector<std::uint8_t>(300, 'x'));
  (void)Start(too_long, kEnglishUs);
  EXPECT_EQ(too_long.Value("Company")->data.size(), 260u);
}

}  // namespace
}  // namespace quelmo
