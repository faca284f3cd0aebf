// How long a person waits for a window: the camera form's logic filling a
// view (texts, 20 lists, states), and the whole window built from its dialog
// template by the Qt host, shown, fitted and painted, offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <optional>

#include "camera/camera_form.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "qt/app_look.h"
#include "qt/dialog_adapter.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

class SilentDialogs final : public DialogAdapter {
 public:
  void ShowMessage(QWidget*, const QString&, MessageIcon) override {}
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  std::optional<QString> ChooseFolder(QWidget*, const QString&) override { return std::nullopt; }
  std::optional<QString> ChooseFile(QWidget*, const QString&) override { return std::nullopt; }
};

struct Services {
  FakePreferenceBackend backend;
  PreferenceStore preferences{backend, 0x0409};
  AppState state;
  AppContext context{state, preferences, SystemFileSystem(), SystemLocalClock(), "/tmp"};
};

void BM_CameraFormLogicOpens(benchmark::State& bench) {
  Services services;
  for (auto _ : bench) {
    FakeView view;
    CameraForm form(view, services.context);
    form.Open();
    benchmark::DoNotOptimize(view.Title());
  }
}
BENCHMARK(BM_CameraFormLogicOpens);

void BM_WindowOpens(benchmark::State& bench, Next which) {
  Services services;
  SilentDialogs dialogs;
  QtScreenHost host(dialogs);
  const ScreenMaker screens = ProgramScreens(services.context);
  for (auto _ : bench) {
    auto screen = Screen::Make(which, host, screens, services.state.languageIndex);
    if (!screen.ok()) {
      bench.SkipWithError(screen.message().c_str());
      break;
    }
    // Shown and its events handled: the texts are fitted when the window is
    // exposed, and it paints.
    screen.value()->Window().Show();
    QCoreApplication::processEvents();
    screen.value()->Window().Hide();
    benchmark::DoNotOptimize(screen.value().get());
  }
}
BENCHMARK_CAPTURE(BM_WindowOpens, launcher, Next::kLauncher)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowOpens, camera, Next::kCameraForm)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelmo

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  quelmo::ApplyAppLook(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
