#include "dialogs/dialog_template.h"

#include <nlohmann/json.hpp>

#include <optional>

#include "dialogs/embedded_dialogs.h"
#include "dialogs/template_names.h"
#include "dialogs/template_reader.h"

namespace quelmo {
namespace {

using Json = nlohmann::json;

Error Invalid(std::string message) { return Error{ErrorCode::kCorrupt, std::move(message)}; }

// A whole number that fits an int: 3 and 3.0 are, "3" and 3.5 are not.
std::optional<int> WholeNumber(const Json& object, const char* field) {
  const auto found = object.find(field);
  if (found == object.end() || !found->is_number()) return std::nullopt;
  return WholeInt(found->get<double>());
}

std::string TextOf(const Json& object, const char* field) {
  const auto found = object.find(field);
  return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

Result<ControlTemplate> ParseControl(const Json& value, std::size_t index) {
  const std::string where = "control " + std::to_string(index);
  if (!value.is_object()) return Invalid(where + " is not an object");

  ControlTemplate control;
  int* const places[] = {&control.id, &control.x, &control.y, &control.width, &control.height};
  const char* const fields[] = {"id", "x", "y", "w", "h"};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const std::optional<int> number = WholeNumber(value, fields[i]);
    if (!number) return Invalid(where + ": \"" + fields[i] + "\" must be a whole number");
    *places[i] = *number;
  }
  if (control.width < 0 || control.height < 0) return Invalid(where + ": negative size");

  const std::string kind = TextOf(value, "kind");
  const std::optional<ControlKind> named = KindNamed(kind);
  if (!named) return Invalid(where + ": unknown kind \"" + kind + "\"");
  control.kind = *named;

  if (const auto styles = value.find("style"); styles != value.end() && styles->is_array()) {
    for (const Json& style : *styles) {
      const std::string name = style.is_string() ? style.get<std::string>() : style.dump();
      if (!ApplyStyle(name, control.style)) return Invalid(where + ": unknown style \"" + name + "\"");
    }
  }
  control.text = TextOf(value, "text");
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
  if (std::optional<DialogTemplate> sound = ReadSoundTemplate(json)) return std::move(*sound);
  return ParseDialogTemplateDocument(json);
}

Result<DialogTemplate> ParseDialogTemplateDocument(std::string_view json) {
  Json root;
  try {
    root = Json::parse(json.begin(), json.end());
  } catch (const Json::parse_error& error) {
    return Invalid("not valid JSON at offset " + std::to_string(error.byte) + ": " + error.what());
  }
  if (!root.is_object()) return Invalid("the template is not a JSON object");

  DialogTemplate dialog;
  int* const places[] = {&dialog.id, &dialog.width, &dialog.height};
  const char* const fields[] = {"id", "width", "height"};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const std::optional<int> number = WholeNumber(root, fields[i]);
    if (!number) return Invalid(std::string("\"") + fields[i] + "\" must be a whole number");
    *places[i] = *number;
  }
  if (dialog.width <= 0 || dialog.height <= 0) return Invalid("the dialog has no size");
  dialog.title = TextOf(root, "title");
  if (const auto font = root.find("font"); font != root.end() && font->is_object()) {
    dialog.fontFamily = TextOf(*font, "family");
    if (font->contains("pointSize")) {
      const std::optional<int> points = WholeNumber(*font, "pointSize");
      if (!points || *points <= 0) return Invalid("the font's point size must be positive");
      dialog.pointSize = *points;
    }
  }
  dialog.systemMenuCommand = WholeNumber(root, "systemMenuCommand").value_or(0);
  if (const auto topmost = root.find("topmost"); topmost != root.end() && topmost->is_boolean()) {
    dialog.topmost = topmost->get<bool>();
  }

  if (const auto controls = root.find("controls"); controls != root.end() && controls->is_array()) {
    for (std::size_t i = 0; i < controls->size(); ++i) {
      Result<ControlTemplate> control = ParseControl((*controls)[i], i);
      if (!control) return control.error();
      // Ids above zero address a control; two of them must never collide.
      if (control->id > 0 && dialog.Find(control->id) != nullptr) {
        return Invalid("control " + std::to_string(i) + ": id " + std::to_string(control->id) +
                       " is used twice");
      }
      dialog.controls.push_back(std::move(control).value());
    }
  }
  return dialog;
}

Result<DialogTemplate> LoadDialogTemplate(int resource_id) {
  const std::optional<std::string_view> json = EmbeddedDialogJson(resource_id);
  if (!json) {
    return Error{ErrorCode::kNotFound,
                 "dialog resource " + std::to_string(resource_id) + " is not in the program"};
  }
  Result<DialogTemplate> dialog = ParseDialogTemplate(*json);
  if (!dialog) {
    return Error{dialog.error().code,
                 "dialog resource " + std::to_string(resource_id) + ": " + dialog.message()};
  }
  return dialog;
}

}  // namespace quelmo
