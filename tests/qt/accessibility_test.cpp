// What a screen reader and a keyboard user meet in every window: the tree
// of accessible objects as QAccessible gives it to the platform, and Tab
// going round the controls.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "controls/local_clock.h"
#include "dialogs/accessible_names.h"
#include "platform/file_system.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "screens/window_names.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

bool IsInteractiveRole(QAccessible::Role role) {
  return role == QAccessible::PushButton || role == QAccessible::EditableText ||
         role == QAccessible::ComboBox;
}

// The interactive objects of the tree under `node`; an editable list's own
// edit part is the list's, not an object of its own.
void CollectInteractive(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& out) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (child == nullptr) continue;
    if (IsInteractiveRole(child->role())) out.push_back(child);
    if (child->role() != QAccessible::ComboBox) CollectInteractive(child, out);
  }
}

// The texts the window shows on its labels, group boxes and buttons.
std::set<QString> ShownTexts(const DialogWindow& window) {
  std::set<QString> texts;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    const QString text = DialogWindow::ShownText(widget);
    if (!text.isEmpty()) texts.insert(text);
  }
  return texts;
}

int InteractiveControlCount(const DialogTemplate& dialog) {
  int count = 0;
  for (const ControlTemplate& control : dialog.controls) count += IsInteractive(control.kind) ? 1 : 0;
  return count;
}

class Accessibility : public ::testing::Test {
 protected:
  std::unique_ptr<Screen> Open(Next which, int language) {
    state_ = AppState{};
    state_.languageIndex = language;
    context_ = std::make_unique<AppContext>(
        AppContext{state_, store_, SystemFileSystem(), SystemLocalClock(), "/tmp"});
    Result<std::unique_ptr<Screen>> screen =
        Screen::Make(which, host_, ProgramScreens(*context_), language);
    EXPECT_TRUE(screen.ok()) << screen.message();
    if (!screen) return nullptr;
    QtScreenHost::WindowOf(**screen).Window().show();
    ProcessQtEvents();
    return std::move(screen).value();
  }

  FakePreferenceBackend backend_;
  PreferenceStore store_{backend_, 0x0409};
  RecordingDialogs dialogs_;
  QtScreenHost host_{dialogs_};
  AppState state_;
  std::unique_ptr<AppContext> context_;
};

TEST_F(Accessibility, EveryInteractiveControlIsNamedByTheTextOfItsLabel) {
  for (const int language : {kEnglish, kChinese}) {
    for (const auto& [which, name] : kNamedWindows) {
      const std::string where = std::string(name) + ", language " + std::to_string(language);
      SCOPED_TRACE(where);
      std::unique_ptr<Screen> screen = Open(which, language);
      ASSERT_NE(screen, nullptr);
      DialogWindow& window = QtScreenHost::WindowOf(*screen).Window();

      std::vector<QAccessibleInterface*> found;
      CollectInteractive(QAccessible::queryAccessibleInterface(&window), found);
      EXPECT_EQ(static_cast<int>(found.size()), InteractiveControlCount(window.Template()));
      const std::set<QString> shown = ShownTexts(window);
      for (QAccessibleInterface* node : found) {
        const QString accessible_name = node->text(QAccessible::Name);
        const QString object = node->object()->objectName();
        EXPECT_FALSE(accessible_name.trimmed().isEmpty()) << object.toStdString();
        // The name is what the window shows, not a text of its own.
        EXPECT_TRUE(shown.count(accessible_name) == 1)
            << object.toStdString() << " is named \"" << accessible_name.toStdString() << "\"";
      }
      // And it is the text of the very label the geometry gives.
      for (const DialogWindow::Named& named : window.NamedControls()) {
        ASSERT_NE(named.label, nullptr) << named.control->objectName().toStdString();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(named.control);
        EXPECT_EQ(node->text(QAccessible::Name), DialogWindow::ShownText(named.label))
            << named.control->objectName().toStdString();
      }
      QtScreenHost::WindowOf(*screen).Hide();
    }
  }
}

TEST_F(Accessibility, AListIsNamedByItsLabelWithItsEntryAsValueAndFollowsTheLanguage) {
  std::unique_ptr<Screen> screen = Open(Next::kLauncher, kEnglish);
  ASSERT_NE(screen, nullptr);
  DialogWindow& window = QtScreenHost::WindowOf(*screen).Window();
  QComboBox* languages = window.ListOf(1080);
  ASSERT_NE(languages, nullptr);
  auto* label = qobject_cast<QLabel*>(window.Control(1078));
  ASSERT_NE(label, nullptr);
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(languages);
  EXPECT_EQ(node->text(QAccessible::Name), label->text());
  EXPECT_EQ(node->text(QAccessible::Value), languages->currentText());
  const QString english_name = label->text();

  // Picking Chinese puts every text of the window in Chinese, names included.
  languages->setCurrentIndex(0);
  emit languages->activated(0);
  ProcessQtEvents();
  EXPECT_NE(label->text(), english_name);
  EXPECT_EQ(node->text(QAccessible::Name), label->text());
  EXPECT_EQ(node->text(QAccessible::Value), languages->currentText());
  EXPECT_EQ(node->text(QAccessible::Value), QString::fromUtf8("中文"));
  QWidget* camera = window.Control(1000);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(camera)->text(QAccessible::Name),
            DialogWindow::ShownText(camera));
  QtScreenHost::WindowOf(*screen).Hide();
}

TEST_F(Accessibility, BalloonHintsAreTheDescriptionsOfTheirControls) {
  for (const Next which : {Next::kMmsForm, Next::kSmtpForm, Next::kSmsForm}) {
    std::unique_ptr<Screen> screen = Open(which, kEnglish);
    ASSERT_NE(screen, nullptr);
    int described = 0;
    for (const DialogWindow::Named& named : QtScreenHost::WindowOf(*screen).Window().NamedControls()) {
      const QString text = QAccessible::queryAccessibleInterface(named.control)->text(QAccessible::Description);
      described += text.isEmpty() ? 0 : 1;
    }
    EXPECT_GE(described, 1) << static_cast<int>(which);
    QtScreenHost::WindowOf(*screen).Hide();
  }
}

// Tab from the first control goes round every control that can take the
// focus, in reading order, and only those.
TEST_F(Accessibility, TabVisitsTheControlsInReadingOrder) {
  for (const auto& [which, name] : kNamedWindows) {
    SCOPED_TRACE(name);
    std::unique_ptr<Screen> screen = Open(which, kEnglish);
    ASSERT_NE(screen, nullptr);
    DialogWindow& window = QtScreenHost::WindowOf(*screen).Window();
    QApplication::setActiveWindow(&window);
    std::vector<QWidget*> expected;
    for (const DialogWindow::Named& named : window.NamedControls()) {
      if (named.control->isEnabled() && named.control->isVisible()) expected.push_back(named.control);
    }
    ASSERT_FALSE(expected.empty());
    expected.front()->setFocus(Qt::TabFocusReason);
    ProcessQtEvents();
    std::vector<QWidget*> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      // An editable list has the focus in its edit part.
      if (focus->focusProxy() == nullptr && qobject_cast<QComboBox*>(focus->parentWidget())) {
        focus = focus->parentWidget();
      }
      visited.push_back(focus);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      ProcessQtEvents();
    }
    EXPECT_EQ(visited, expected);
    QtScreenHost::WindowOf(*screen).Hide();
  }
}

}  // namespace
}  // namespace quelmo
