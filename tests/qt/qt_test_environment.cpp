#include "qt_test_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

#include "qt/app_look.h"
#include "qt/guarded_application.h"

namespace quelmo {
namespace {

class QtTestEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application, with its catch at the event loop.
    app_ = new GuardedApplication(argc_, argv_);
    app_->setQuitOnLastWindowClosed(false);
    ApplyAppLook(*app_);
  }
  void TearDown() override {
    ProcessQtEvents();
    delete app_;
    app_ = nullptr;
  }

 private:
  int argc_ = 1;
  char name_[16] = "quelmo_qt_tests";
  char* argv_[2] = {name_, nullptr};
  GuardedApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

}  // namespace

void ProcessQtEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

bool AnyWindowVisible() {
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) return true;
  }
  return false;
}

}  // namespace quelmo
