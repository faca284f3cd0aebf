// Texts longer than their control: room from free space beside it before a
// smaller font, and the shipped windows readable in every language.

#include "qt/text_fit.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "qt/qt_form_view.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"

namespace quelmo {
namespace {

int Advance(const QString& text, const QFont& font) {
  return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// Where the text of a control may go, asked of its style as it draws it.
int Room(QWidget* widget) {
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  }
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width() -
           2;
  }
  return widget->width();
}

// The widest text a control shows: a list's widest entry.
QString Widest(QWidget* widget) {
  QStringList texts;
  if (auto* button = qobject_cast<QPushButton*>(widget)) texts << button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
  }
  QString widest;
  for (const QString& text : texts) {
    if (Advance(text, widget->font()) > Advance(widest, widget->font())) widest = text;
  }
  return widest;
}

// What a control covers of its row: a label its text, others their frame.
std::pair<int, int> Covered(QWidget* widget) {
  const QRect place = widget->geometry();
  auto* label = qobject_cast<QLabel*>(widget);
  if (label == nullptr) return {place.left(), place.left() + place.width()};
  const int text = Advance(label->text(), label->font());
  int left = place.left();
  if (label->alignment() & Qt::AlignHCenter) left += (place.width() - text) / 2;
  return {left, left + text};
}

bool SameRow(const QRect& a, const QRect& b) {
  return a.top() < b.bottom() && b.top() < a.bottom();
}

// Every text of a window in the dialog font and within its control; no
// control moved onto another's text or frame, none out of its group box.
void ExpectReadable(DialogWindow& window, const std::string& where) {
  const DialogTemplate& dialog = window.Template();
  const DialogUnits units = DialogUnits::ForFont(window.font());
  std::vector<std::pair<QWidget*, QRect>> placed;  // widget, template place
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = window.Control(control.id);
    if (widget == nullptr || control.kind == ControlKind::kGroupBox) continue;
    QRect home = units.Rect(control.x, control.y, control.width, control.height);
    home.setHeight(widget->height());  // a closed list
    placed.emplace_back(widget, home);

    const QString widest = Widest(widget);
    if (widest.isEmpty()) continue;
    EXPECT_EQ(widget->font().pointSizeF(), window.font().pointSizeF())
        << where << " control " << control.id << " \"" << widest.toStdString() << "\"";
    EXPECT_LE(Advance(widest, widget->font()), Room(widget))
        << where << " control " << control.id << " \"" << widest.toStdString() << "\"";
  }
  for (const auto& [a, a_home] : placed) {
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
      if (box->geometry().contains(a_home)) {
        EXPECT_TRUE(box->geometry().contains(a->geometry()))
            << where << " " << a->objectName().toStdString() << " left its group box";
      }
    }
    for (const auto& [b, b_home] : placed) {
      if (a == b || !SameRow(a->geometry(), b->geometry())) continue;
      const bool apart = a_home.left() + a_home.width() <= b_home.left();
      if (!apart) continue;
      EXPECT_LE(Covered(a).second, Covered(b).first)
          << where << " " << a->objectName().toStdString() << " runs into "
          << b->objectName().toStdString();
    }
  }
}

TEST(TextFit, LauncherAndCameraFormAreReadableInEveryLanguage) {
  FakePreferenceBackend backend;
  PreferenceStore store(backend, 0x0409);
  RecordingDialogs dialogs;
  QtScreenHost host(dialogs);
  for (int language = 1; language <= 11; ++language) {
    AppState state;
    state.languageIndex = language;
    AppContext context{state, store, SystemFileSystem(), SystemLocalClock(), "/tmp"};
    for (const Next which : {Next::kLauncher, Next::kCameraForm}) {
      auto screen = Screen::Make(which, host, ProgramScreens(context), language);
      ASSERT_TRUE(screen.ok()) << screen.message();
      DialogWindow& window = QtScreenHost::WindowOf(**screen).Window();
      window.show();
      ProcessQtEvents();
      ExpectReadable(window, (which == Next::kLauncher ? "launcher, language "
                                                        : "camera form, language ") +
                                 std::to_string(language));
      (*screen)->Window().Hide();
    }
  }
}

// A list's entry gets the whole width but the frame and an arrow as wide as
// a scroll bar, as in the system's own dialogs.
TEST(TextFit, AListShowsItsEntryInAllButFrameAndArrow) {
  const DialogUnits units = DialogUnits::ForFont(QApplication::font());
  for (const int width : {21, 32, 48, 64}) {
    QWidget window;
    QComboBox list(&window);
    list.setGeometry(0, 0, units.X(width), 22);
    const int arrow = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    // Two pixels of frame each side, one of indent: no more.
    EXPECT_GE(Room(&list), units.X(width) - 2 - arrow - 2 - 1 - 2) << width;
  }
}

// A list entry not drawn now is given at least the room it takes once picked,
// in every font step, and exactly that where the font has its characters.
TEST(TextFit, AListedEntryGetsAtLeastItsWidth) {
  struct Case {
    const char* text;
    bool exact;
  };
  const Case cases[] = {
      {"English", true},      {"Slovenščina", true}, {"Čeština", true},
      {"中文", false},        {"日本語", false},     {"繁體中文", false},
      {"カタカナ", false},    {"ひらがな", false},   {"한국어", false},
      {"「設定」", false},    {"ＡＢＣ", false},     {"中文 (Chinese)", true},
      {"𠀀𠀁", false},
  };
  for (const char* family : {"Arial", "MS Shell Dlg", "Tahoma", "DejaVu Sans"}) {
    for (double size = 12; size >= kSmallestFittedPointSize; size -= 0.5) {
      QFont font(family);
      font.setPointSizeF(size);
      const QFontMetricsF metrics(font);
      for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const double bound = ListedWidthBound(text, font);
        const std::string where = std::string(family) + " " + std::to_string(size) + " " + c.text;
        EXPECT_GE(bound, metrics.horizontalAdvance(text)) << where;
        if (c.exact) {
          EXPECT_EQ(bound, metrics.horizontalAdvance(text)) << where;
        }
      }
    }
  }
}

constexpr ControlId kLabel = 10;
constexpr ControlId kList = 11;
constexpr ControlId kButton = 12;
constexpr ControlId kBoxedIn = 13;

DialogWindow* SmallWindow() {
  // A row of label and list in a group box; a button with free space to its
  // right; a button hemmed in by two edits.
  return new DialogWindow(ParseDialogTemplate(R"({
    "id": 901, "title": "Fit", "width": 200, "height": 100,
    "font": {"family": "Arial", "pointSize": 9}, "controls": [
      {"id": 20, "kind": "group-box", "x": 4, "y": 2, "w": 110, "h": 24, "text": ""},
      {"id": 10, "kind": "label", "x": 8, "y": 12, "w": 50, "h": 8, "text": "Mode"},
      {"id": 11, "kind": "dropdown-list", "x": 60, "y": 10, "w": 48, "h": 60},
      {"id": 12, "kind": "push-button", "x": 8, "y": 40, "w": 40, "h": 14, "text": "Go"},
      {"id": 21, "kind": "edit", "x": 150, "y": 40, "w": 40, "h": 14},
      {"id": 22, "kind": "edit", "x": 8, "y": 70, "w": 41, "h": 14},
      {"id": 13, "kind": "push-button", "x": 50, "y": 70, "w": 40, "h": 14, "text": "Go"},
      {"id": 23, "kind": "edit", "x": 91, "y": 70, "w": 40, "h": 14}
    ]})")
                              .value());
}

TEST(TextFit, ALongTextTakesFreeRoomBesideItBeforeASmallerFont) {
  struct Case {
    ControlId id;
    const char* text;
    bool wider;
    bool movedLeft;
    bool smallerFont;
  };
  const Case cases[] = {
      {kButton, "Go", false, false, false},
      {kButton, "Uhrzeit anfragen und mehr", true, false, false},  // room to the right
      {kList, "Camera+Video", true, true, false},  // to the box's edge, then left
      {kLabel, "Empfindlichkeitsstufe", true, true, true},  // all the row has, and smaller
      {kBoxedIn, "Werkseinstell.", false, false, true},     // no room: a smaller font
      {kBoxedIn, "Go", false, false, false},               // and the dialog font back
  };
  std::unique_ptr<DialogWindow> window(SmallWindow());
  RecordingDialogs dialogs;
  QtFormView view(*window, dialogs);
  window->show();
  ProcessQtEvents();
  const QFont dialog_font = window->font();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    QWidget* control = window->Control(c.id);
    const QRect home = control->geometry();
    if (c.id == kList) {
      view.SetItems(c.id, {"Camera", c.text});
    } else {
      view.SetText(c.id, c.text);
    }
    ProcessQtEvents();
    EXPECT_EQ(control->width() > home.width(), c.wider);
    EXPECT_EQ(control->x() < home.x(), c.movedLeft);
    EXPECT_EQ(control->font().pointSizeF() < dialog_font.pointSizeF(), c.smallerFont);
    EXPECT_LE(Advance(Widest(control), control->font()), Room(control));

    // A short text again gives the room back.
    if (c.id == kList) {
      view.SetItems(c.id, {"On"});
    } else {
      view.SetText(c.id, "Go");
    }
    ProcessQtEvents();
    EXPECT_EQ(control->geometry(), home);
    EXPECT_EQ(control->font().pointSizeF(), dialog_font.pointSizeF());
  }
}

// Records where a control is, and in which font size, when it first paints.
class FirstPaint final : public QObject {
 public:
  explicit FirstPaint(QWidget* control) { control->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted) {
      auto* control = static_cast<QWidget*>(watched);
      painted = true;
      place = control->geometry();
      pointSize = control->font().pointSizeF();
    }
    return false;
  }
  bool painted = false;
  QRect place;
  double pointSize = 0;
};

// The fit waits for the window to be exposed, so that the window system maps
// it meanwhile; it must still come before any control paints.
TEST(TextFit, TheFirstPaintShowsTheFittedPlaces) {
  struct Case {
    ControlId id;
    const char* text;
  };
  const Case cases[] = {
      {kButton, "Uhrzeit anfragen und mehr"},  // wider
      {kList, "Camera+Video"},                 // wider and moved left
      {kLabel, "Empfindlichkeitsstufe"},       // wider and smaller
      {kBoxedIn, "Werkseinstell."},            // smaller
      {kBoxedIn, "Go"},                        // as the template has it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::unique_ptr<DialogWindow> window(SmallWindow());
    RecordingDialogs dialogs;
    QtFormView view(*window, dialogs);
    // Set as a form's logic sets its texts: after the window is built,
    // before it is shown.
    if (c.id == kList) {
      view.SetItems(c.id, {"Camera", c.text});
      view.SetSelection(c.id, 1);
    } else {
      view.SetText(c.id, c.text);
    }
    QWidget* control = window->Control(c.id);
    FirstPaint first(control);
    window->show();
    // The window system's expose may come before the fit posted to the
    // window: here it comes alone.
    QCoreApplication::removePostedEvents(window.get(), QEvent::LayoutRequest);
    ProcessQtEvents();
    ASSERT_TRUE(first.painted);
    EXPECT_EQ(first.place, control->geometry());
    EXPECT_EQ(first.pointSize, control->font().pointSizeF());
    EXPECT_LE(Advance(Widest(control), control->font()), Room(control));
  }
}

}  // namespace
}  // namespace quelmo
