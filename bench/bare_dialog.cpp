// The yardstick for the configurator's windows: plain Qt widgets with the
// same controls at the same places, texts and list entries, in the same
// font, and nothing else (no style, skin, icon, fitting or form logic).
// Built from what bench/ui_probe.cpp wrote of the real windows:
//   quelmo_bare_dialog WINDOWS.json
// shows "launcher"; each of its buttons named in "forms" (control1000 for
// the camera form, 1001 MMS, 1002 SMTP/GPRS, 1003 SMS) opens that form in
// its place, as the configurator does.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <memory>

namespace {

QWidget* MakeControl(const QJsonObject& item, QWidget* window) {
  const QString kind = item["kind"].toString();
  const QString text = item["text"].toString();
  QWidget* widget = nullptr;
  if (kind == "button") {
    auto* button = new QPushButton(text, window);
    button->setAutoDefault(false);
    button->setDefault(item["default"].toBool());
    widget = button;
  } else if (kind == "group") {
    widget = new QGroupBox(text, window);
  } else if (kind == "edit") {
    auto* edit = new QLineEdit(text, window);
    edit->setReadOnly(item["readOnly"].toBool());
    if (item["password"].toBool()) edit->setEchoMode(QLineEdit::Password);
    widget = edit;
  } else if (kind == "list") {
    auto* list = new QComboBox(window);
    list->setEditable(item["editable"].toBool());
    QStringList entries;
    for (const QJsonValue& entry : item["entries"].toArray()) entries.append(entry.toString());
    list->addItems(entries);
    list->setCurrentIndex(item["current"].toInt());
    widget = list;
  } else {
    auto* label = new QLabel(text, window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget = label;
  }
  widget->setObjectName(item["name"].toString());
  widget->setGeometry(item["x"].toInt(), item["y"].toInt(), item["w"].toInt(), item["h"].toInt());
  widget->setEnabled(item["enabled"].toBool());
  if (!item["visible"].toBool()) widget->hide();
  return widget;
}

std::unique_ptr<QWidget> MakeWindow(const QJsonObject& described) {
  auto window = std::make_unique<QWidget>(nullptr, Qt::Dialog);
  QFont font(described["fontFamily"].toString());
  font.setPointSizeF(described["fontPointSize"].toDouble());
  window->setFont(font);
  window->setWindowTitle(described["title"].toString());
  window->setFixedSize(described["w"].toInt(), described["h"].toInt());
  for (const QJsonValue& item : described["controls"].toArray()) {
    MakeControl(item.toObject(), window.get());
  }
  for (QGroupBox* box : window->findChildren<QGroupBox*>()) box->lower();
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: quelmo_bare_dialog WINDOWS.json\n");
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "quelmo_bare_dialog: cannot read %s\n", argv[1]);
    return 1;
  }
  const QJsonObject windows = QJsonDocument::fromJson(file.readAll()).object();

  std::unique_ptr<QWidget> launcher = MakeWindow(windows["launcher"].toObject());
  std::unique_ptr<QWidget> form;
  const QJsonObject forms = windows["forms"].toObject();
  for (auto opens = forms.begin(); opens != forms.end(); ++opens) {
    auto* button = launcher->findChild<QPushButton*>(opens.key());
    if (button == nullptr) continue;
    const QJsonObject described = opens.value().toObject();
    QObject::connect(button, &QPushButton::clicked, [&form, &launcher, described] {
      form = MakeWindow(described);
      launcher->hide();
      form->show();
    });
  }
  launcher->show();
  return app.exec();
}
