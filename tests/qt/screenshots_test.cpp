#include "qt/screenshots.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/file_preference_backend.h"
#include "app/preference_store.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "app/program_session.h"
#include "support/fake_preference_backend.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

TEST(Screenshots, EveryWindowIsRenderedInTheSessionsLanguage) {
  TempFolder folder;
  FakePreferenceBackend backend;
  PreferenceStore store(backend, 0x0409);
  AppState state;
  state.languageIndex = 10;
  AppContext context{state, store, SystemFileSystem(), SystemLocalClock(), "/tmp"};

  const QString out = QString::fromStdString(PathToUtf8(folder.path() / "shots"));
  const Status rendered = RenderScreenshots(context, out);
  ASSERT_TRUE(rendered.ok()) << rendered.message();
  for (const char* name : {"launcher", "about", "camera", "mms", "smtp", "sms"}) {
    const QImage image(out + "/" + name + "-ja.png");
    EXPECT_FALSE(image.isNull()) << name;
    EXPECT_GT(image.width(), 200) << name;
  }
}

TEST(Screenshots, TheirSessionReadsThePreferencesButNeverStores) {
  TempFolder folder;
  auto backend = [&] {
    return std::make_unique<FilePreferenceBackend>(folder.path(), SystemFileSystem());
  };
  {
    // Nothing stored yet: a read-only start-up creates nothing.
    ProgramSession session(ReadOnlyPreferences(backend()), 0x0409, 10);
    EXPECT_EQ(session.State().languageIndex, 10);
    EXPECT_TRUE(TempFolder::Entries(folder.path()).empty());
  }
  {
    ProgramSession stored(backend(), 0x0409);
    EXPECT_TRUE(stored.Context().preferences.StoreLanguage(3));
  }
  const auto before = SystemFileSystem().ReadRegularFile(backend()->FilePath(), 1 << 20).value();
  ProgramSession reading(ReadOnlyPreferences(backend()), 0x0409);
  EXPECT_EQ(reading.State().languageIndex, 3);
  ProgramSession overriding(ReadOnlyPreferences(backend()), 0x0409, 1);
  EXPECT_EQ(overriding.State().languageIndex, 1);
  EXPECT_FALSE(overriding.Context().preferences.StoreLanguage(1));
  EXPECT_EQ(SystemFileSystem().ReadRegularFile(backend()->FilePath(), 1 << 20).value(), before);
}

}  // namespace
}  // namespace quelmo
