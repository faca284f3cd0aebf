// Preferences of a user who may not write the machine-wide key: where the
// language is loaded from and where a store lands, for each way the two keys
// can be.

#include "app/fallback_preferences.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

// Lends a fake to the backend under test, which owns what it is given.
class Lent final : public PreferenceBackend {
 public:
  explicit Lent(FakePreferenceBackend& fake) : fake_(fake) {}
  std::unique_ptr<PreferenceKey> Open() override { return fake_.Open(); }
  std::unique_ptr<PreferenceKey> OpenForReading() override { return fake_.OpenForReading(); }
  bool Create() override { return fake_.Create(); }

 private:
  FakePreferenceBackend& fake_;
};

enum class Key { kMissing, kWritable, kReadOnly };

struct Keys {
  Key key = Key::kMissing;
  std::optional<std::uint32_t> language;
};

void Arrange(FakePreferenceBackend& fake, const Keys& keys) {
  fake.SetKeyExists(keys.key != Key::kMissing);
  if (keys.language) fake.PutDword("language", *keys.language);
  fake.SetWritable(keys.key != Key::kReadOnly);
}

TEST(FallbackPreferences, LoadsTheUsersValueFirstAndStoresWhereLoadingLooks) {
  const struct {
    const char* situation;
    Keys machine;
    Keys user;
    bool loaded;
    std::uint16_t language;  // loaded, when it was
    std::optional<std::uint32_t> machineAfterStore;
    std::optional<std::uint32_t> userAfterStore;
  } cases[] = {
      {"administrator: the machine's key", {Key::kWritable, 3}, {}, true, 3, 9, std::nullopt},
      {"user: the machine's value until their own", {Key::kReadOnly, 3}, {}, true, 3, 3, 9},
      {"user with their own value", {Key::kReadOnly, 3}, {Key::kWritable, 4}, true, 4, 3, 9},
      {"administrator with an older user's key", {Key::kWritable, 3}, {Key::kWritable, 4}, true, 4, 3, 9},
      {"user on a fresh machine", {Key::kReadOnly, std::nullopt}, {}, false, 0, std::nullopt, 9},
  };
  for (const auto& c : cases) {
    FakePreferenceBackend machine;
    FakePreferenceBackend user;
    Arrange(machine, c.machine);
    Arrange(user, c.user);
    // A fresh machine's missing key cannot be made by this user either.
    if (c.machine.key == Key::kReadOnly && !c.machine.language) machine.SetKeyExists(false);
    FallbackPreferenceBackend backend(std::make_unique<Lent>(machine), std::make_unique<Lent>(user));
    PreferenceStore store(backend, 0x0409);

    std::uint16_t language = 0;
    EXPECT_EQ(store.LoadLanguage(language), c.loaded) << c.situation;
    if (c.loaded) {
      EXPECT_EQ(language, c.language) << c.situation;
    }
    EXPECT_TRUE(store.StoreLanguage(9)) << c.situation;
    EXPECT_EQ(machine.Dword("language"), c.machineAfterStore) << c.situation;
    EXPECT_EQ(user.Dword("language"), c.userAfterStore) << c.situation;
    ASSERT_TRUE(store.LoadLanguage(language)) << c.situation;
    EXPECT_EQ(language, 9) << c.situation;
  }
}

TEST(FallbackPreferences, NothingToReadOrWriteIsMissing) {
  FakePreferenceBackend machine;
  FakePreferenceBackend user;
  machine.SetWritable(false);
  user.SetWritable(false);
  FallbackPreferenceBackend backend(std::make_unique<Lent>(machine), std::make_unique<Lent>(user));
  EXPECT_EQ(backend.Open(), nullptr);
  EXPECT_FALSE(backend.Create());
}

}  // namespace
}  // namespace quelmo
