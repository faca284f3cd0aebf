// Loaded into a Qt program with LD_PRELOAD by bench/ratios.py, so that the
// program itself needs no timing code. It notes when the first window is
// drawn (counted from QUELMO_PROBE_T0, the monotonic clock in nanoseconds just
// before the program was started) and the peak memory then, clicks the
// button named by QUELMO_PROBE_CLICK (default "control1000", the launcher's
// Camera button; 1001 to 1003 open the other forms), notes when the window
// that opens is first exposed and when it is drawn (and the peak memory
// then), appends one line of figures to QUELMO_PROBE_OUT and ends the
// process. With QUELMO_PROBE_DUMP it also writes both windows' controls
// (kind, place, texts, entries) as JSON, which is what the bare dialog
// (bare_dialog.cpp) is built from.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Peak resident memory of the process so far, in KiB.
long PeakKib() {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long kib = -1;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) kib = std::atol(line + 6);
  }
  std::fclose(status);
  return kib;
}

QJsonObject Describe(const QWidget* widget) {
  QJsonObject item;
  const QRect place = widget->geometry();
  item["x"] = place.x();
  item["y"] = place.y();
  item["w"] = place.width();
  item["h"] = place.height();
  item["name"] = widget->objectName();
  item["enabled"] = widget->isEnabled();
  item["visible"] = widget->isVisibleTo(widget->parentWidget());
  if (auto* button = qobject_cast<const QPushButton*>(widget)) {
    item["kind"] = "button";
    item["text"] = button->text();
    item["default"] = button->isDefault();
  } else if (auto* box = qobject_cast<const QGroupBox*>(widget)) {
    item["kind"] = "group";
    item["text"] = box->title();
  } else if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    item["kind"] = "edit";
    item["text"] = edit->text();
    item["readOnly"] = edit->isReadOnly();
    item["password"] = edit->echoMode() == QLineEdit::Password;
  } else if (auto* list = qobject_cast<const QComboBox*>(widget)) {
    item["kind"] = "list";
    item["editable"] = list->isEditable();
    item["current"] = list->currentIndex();
    QJsonArray entries;
    for (int i = 0; i < list->count(); ++i) entries.append(list->itemText(i));
    item["entries"] = entries;
  } else if (auto* label = qobject_cast<const QLabel*>(widget)) {
    item["kind"] = "label";
    item["text"] = label->text();
  } else {
    return {};
  }
  return item;
}

QJsonObject DescribeWindow(const QWidget* window) {
  QJsonObject described;
  described["title"] = window->windowTitle();
  described["w"] = window->width();
  described["h"] = window->height();
  described["fontFamily"] = window->font().family();
  described["fontPointSize"] = window->font().pointSizeF();
  QJsonArray controls;
  for (const QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QJsonObject item = Describe(child);
    if (!item.isEmpty()) controls.append(item);
  }
  described["controls"] = controls;
  return described;
}

QWidget* WidgetOf(QWindow* window) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowHandle() == window) return widget;
  }
  return nullptr;
}

class Probe final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Expose || !watched->isWindowType()) return false;
    auto* window = static_cast<QWindow*>(watched);
    if (stage_ > 1 || window == seen_ || pending_ || !window->isExposed()) return false;
    // The window is on the screen now; it has not painted yet.
    if (stage_ == 1 && shown_ms_ == 0) shown_ms_ = (NowNs() - click_ns_) / 1e6;
    // The window paints while it handles the expose; the figure is taken
    // once that is done.
    pending_ = true;
    QPointer<QWindow> exposed(window);
    QTimer::singleShot(0, this, [this, exposed] {
      pending_ = false;
      if (exposed && exposed->isExposed()) Drawn(exposed);
    });
    return false;
  }

 private:
  void Drawn(QWindow* window) {
    const long long now = NowNs();
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return;
    seen_ = window;
    if (stage_ == 0) {
      launcher_ms_ = (now - StartNs()) / 1e6;
      peak_kib_ = PeakKib();
      dump_["launcher"] = DescribeWindow(widget);
      const QString name = ClickedName();
      auto* button = widget->findChild<QAbstractButton*>(name);
      if (button == nullptr) Finish("no button of that name in the first window\n");
      stage_ = 1;
      click_ns_ = NowNs();
      button->click();
      // What the click did before returning: building the window, as both
      // programs build it in the click's handler.
      click_ms_ = (NowNs() - click_ns_) / 1e6;
      return;
    }
    const double form_ms = (now - click_ns_) / 1e6;
    dump_["form"] = DescribeWindow(widget);
    stage_ = 2;
    char line[240];
    std::snprintf(line, sizeof line,
                  "launcher_ms=%.3f peak_kib=%ld click_ms=%.3f shown_ms=%.3f form_ms=%.3f "
                  "form_peak_kib=%ld\n",
                  launcher_ms_, peak_kib_, click_ms_, shown_ms_, form_ms, PeakKib());
    Finish(line);
  }

  static QString ClickedName() {
    const char* name = std::getenv("QUELMO_PROBE_CLICK");
    return QString::fromLocal8Bit(name != nullptr ? name : "control1000");
  }

  static long long StartNs() {
    const char* t0 = std::getenv("QUELMO_PROBE_T0");
    return t0 != nullptr ? std::atoll(t0) : NowNs();
  }

  // Ends the process at once: tearing the windows down is not what is timed.
  [[noreturn]] void Finish(const char* line) {
    const char* out = std::getenv("QUELMO_PROBE_OUT");
    FILE* file = out != nullptr ? std::fopen(out, "a") : nullptr;
    std::fputs(line, file != nullptr ? file : stderr);
    if (file != nullptr) std::fclose(file);
    if (const char* dump = std::getenv("QUELMO_PROBE_DUMP")) {
      QFile json(QString::fromLocal8Bit(dump));
      if (json.open(QIODevice::WriteOnly)) json.write(QJsonDocument(dump_).toJson());
    }
    std::_Exit(0);
  }

  int stage_ = 0;
  bool pending_ = false;
  QWindow* seen_ = nullptr;
  double launcher_ms_ = 0;
  long peak_kib_ = 0;
  long long click_ns_ = 0;
  double click_ms_ = 0;
  double shown_ms_ = 0;
  QJsonObject dump_;
};

void InstallProbe() { qApp->installEventFilter(new Probe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
