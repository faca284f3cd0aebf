#include "qt/dialog_template.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>

#include <map>

namespace quelmo {
namespace {

Error Invalid(std::string message) { return Error{ErrorCode::kCorrupt, std::move(message)}; }

const std::map<QString, ControlKind>& KindNames() {
  static const std::map<QString, ControlKind> names = {
      {"label", ControlKind::kLabel},
      {"group-box", ControlKind::kGroupBox},
      {"push-button", ControlKind::kPushButton},
      {"dropdown-list", ControlKind::kDropdownList},
      {"dropdown-combo", ControlKind::kDropdownCombo},
      {"edit", ControlKind::kEdit},
      {"icon", ControlKind::kIcon},
  };
  return names;
}

// Sets the flag a style name stands for; false for an unknown name.
bool ApplyStyle(const QString& name, ControlStyle& style) {
  if (name == "read-only") style.readOnly = true;
  else if (name == "digits") style.digits = true;
  else if (name == "centred") style.centred = true;
  else if (name == "password") style.password = true;
  else if (name == "default") style.isDefault = true;
  else if (name == "hscroll") style.hscroll = true;
  else return false;
  return true;
}

bool IsWholeNumber(const QJsonValue& value) {
  return value.isDouble() && value.toDouble() == static_cast<double>(value.toInt());
}

Result<ControlTemplate> ParseControl(const QJsonValue& value, int index) {
  const std::string where = "control " + std::to_string(index);
  if (!value.isObject()) return Invalid(where + " is not an object");
  const QJsonObject object = value.toObject();

  ControlTemplate control;
  for (const char* field : {"id", "x", "y", "w", "h"}) {
    if (!IsWholeNumber(object.value(field))) {
      return Invalid(where + ": \"" + field + "\" must be a whole number");
    }
  }
  control.id = object.value("id").toInt();
  control.x = object.value("x").toInt();
  control.y = object.value("y").toInt();
  control.width = object.value("w").toInt();
  control.height = object.value("h").toInt();
  if (control.width < 0 || control.height < 0) return Invalid(where + ": negative size");

  const QString kind = object.value("kind").toString();
  const auto found = KindNames().find(kind);
  if (found == KindNames().end()) {
    return Invalid(where + ": unknown kind \"" + kind.toStdString() + "\"");
  }
  control.kind = found->second;

  for (const QJsonValue& style : object.value("style").toArray()) {
    if (!ApplyStyle(style.toString(), control.style)) {
      return Invalid(where + ": unknown style \"" + style.toString().toStdString() + "\"");
    }
  }
  control.text = object.value("text").toString().toStdString();
  return control;
}

}  // namespace

const ControlTemplate* DialogTemplate::Find(ControlId wanted) const {
  for (const ControlTemplate& control : controls) {
    if (control.id == wanted) return &control;
  }
  return nullptr;
}

Result<DialogTemplate> ParseDialogTemplate(std::string_view json) {
  QJsonParseError parse_error;
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parse_error);
  if (parse_error.error != QJsonParseError::NoError) {
    return Invalid("not valid JSON at offset " + std::to_string(parse_error.offset) + ": " +
                   parse_error.errorString().toStdString());
  }
  if (!document.isObject()) return Invalid("the template is not a JSON object");
  const QJsonObject root = document.object();

  DialogTemplate dialog;
  for (const char* field : {"id", "width", "height"}) {
    if (!IsWholeNumber(root.value(field))) {
      return Invalid(std::string("\"") + field + "\" must be a whole number");
    }
  }
  dialog.id = root.value("id").toInt();
  dialog.width = root.value("width").toInt();
  dialog.height = root.value("height").toInt();
  if (dialog.width <= 0 || dialog.height <= 0) return Invalid("the dialog has no size");
  dialog.title = root.value("title").toString().toStdString();
  const QJsonObject font = root.value("font").toObject();
  dialog.fontFamily = font.value("family").toString().toStdString();
  dialog.pointSize = font.value("pointSize").toInt(9);
  if (dialog.pointSize <= 0) return Invalid("the font's point size must be positive");

  dialog.systemMenuCommand = root.value("systemMenuCommand").toInt(0);
  dialog.topmost = root.value("topmost").toBool(false);

  const QJsonArray controls = root.value("controls").toArray();
  for (int i = 0; i < controls.size(); ++i) {
    Result<ControlTemplate> control = ParseControl(controls.at(i), i);
    if (!control) return control.error();
    // Ids above zero address a control; two of them must never collide.
    if (control->id > 0 && dialog.Find(control->id) != nullptr) {
      return Invalid("control " + std::to_string(i) + ": id " + std::to_string(control->id) +
                     " is used twice");
    }
    dialog.controls.push_back(std::move(control).value());
  }
  return dialog;
}

Result<DialogTemplate> LoadDialogTemplate(int resource_id) {
  const QString path = QStringLiteral(":/dialogs/%1.json").arg(resource_id);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return Error{ErrorCode::kNotFound,
                 "dialog resource " + std::to_string(resource_id) + " is not in the program"};
  }
  const QByteArray bytes = file.readAll();
  Result<DialogTemplate> dialog =
      ParseDialogTemplate(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!dialog) {
    return Error{dialog.error().code,
                 "dialog resource " + std::to_string(resource_id) + ": " + dialog.message()};
  }
  return dialog;
}

}  // namespace quelmo
