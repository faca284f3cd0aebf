#pragma once
// A dialog resource kept as data (resources/dialogs/<id>.json): the window's
// size in dialog units, its font, and each control's id, kind, position,
// styles and template text. Both hosts build their windows from these; the
// templates are compiled into the program.

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "controls/form_view.h"

namespace quelmo {

enum class ControlKind {
  kLabel,
  kGroupBox,
  kPushButton,
  kDropdownList,   // a list the user can only pick from
  kDropdownCombo,  // a list with an edit part
  kListBox,        // a list always open, its entries one under another
  kEdit,
  kIcon,           // the program's icon
};

// Style flags of a control, as in the template's "style" array.
struct ControlStyle {
  bool readOnly = false;  // "read-only"
  bool digits = false;    // "digits": only 0-9 can be typed
  bool centred = false;   // "centred"
  bool password = false;  // "password"
  bool isDefault = false; // "default": the default push button
  bool hscroll = false;   // "hscroll": the edit scrolls sideways
  bool operator==(const ControlStyle&) const = default;
};

struct ControlTemplate {
  ControlId id = 0;  // 0 or negative: a control whose text never changes
  ControlKind kind = ControlKind::kLabel;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;  // for drop-downs: the height when dropped down
  ControlStyle style;
  std::string text;  // UTF-8
  bool operator==(const ControlTemplate&) const = default;
};

struct DialogTemplate {
  int id = 0;
  std::string title;
  int width = 0;   // dialog units
  int height = 0;  // dialog units
  std::string fontFamily;  // empty: the application's font
  int pointSize = 9;
  // The command id of the entry the window's logic may add to the system
  // menu (FormLogic::SystemMenuEntry); 0 for none.
  int systemMenuCommand = 0;
  bool topmost = false;  // stays above other windows
  std::vector<ControlTemplate> controls;

  const ControlTemplate* Find(ControlId id) const;
  bool operator==(const DialogTemplate&) const = default;
};

// Parses a template's JSON text. Errors say which control or field is wrong.
Result<DialogTemplate> ParseDialogTemplate(std::string_view json);
// The same from the whole JSON document, built first: slower. What
// ParseDialogTemplate falls back on for a template that is not sound, to say
// what is wrong with it (template_reader.h).
Result<DialogTemplate> ParseDialogTemplateDocument(std::string_view json);

// The template of a dialog resource, from the templates built into the program.
Result<DialogTemplate> LoadDialogTemplate(int resource_id);

}  // namespace quelmo
