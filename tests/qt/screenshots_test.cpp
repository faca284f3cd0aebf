#include "qt/screenshots.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <gtest/gtest.h>

#include "app/file_preference_backend.h"
#include "app/program_session.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "session/app_context.h"
#include "session/preference_store.h"
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

// A window grabbed on a scaled screen: its pixels fill the picture below the
// title bar, at every scale, rather than its top-left corner at normal size.
TEST(Screenshots, AScaledWindowIsPicturedWholeAtItsOwnPixelDensity) {
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    SCOPED_TRACE(ratio);
    QPixmap contents(QSize(120, 60) * ratio);
    contents.setDevicePixelRatio(ratio);
    contents.fill(Qt::red);
    const QImage image = Framed(contents, QFont(), QIcon(), QStringLiteral("Quelmo"));
    EXPECT_GE(image.width(), static_cast<int>(122 * ratio));
    const int right = image.width() - 1 - static_cast<int>(2 * ratio);
    const int bottom = image.height() - 1 - static_cast<int>(2 * ratio);
    EXPECT_EQ(image.pixelColor(right, bottom), QColor(Qt::red)) << "the bottom right of the window";
    EXPECT_EQ(image.pixelColor(right, bottom - static_cast<int>(50 * ratio)), QColor(Qt::red));
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
