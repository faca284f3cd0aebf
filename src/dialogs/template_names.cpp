#include "dialogs/template_names.h"

#include <string_view>

namespace quelmo {

std::optional<ControlKind> KindNamed(std::string_view name) {
  static constexpr struct {
    std::string_view name;
    ControlKind kind;
  } kKinds[] = {
      {"label", ControlKind::kLabel},
      {"group-box", ControlKind::kGroupBox},
      {"push-button", ControlKind::kPushButton},
      {"dropdown-list", ControlKind::kDropdownList},
      {"dropdown-combo", ControlKind::kDropdownCombo},
      {"list-box", ControlKind::kListBox},
      {"edit", ControlKind::kEdit},
      {"icon", ControlKind::kIcon},
  };
  for (const auto& known : kKinds) {
    if (known.name == name) return known.kind;
  }
  return std::nullopt;
}

bool ApplyStyle(std::string_view name, ControlStyle& style) {
  if (name == "read-only") style.readOnly = true;
  else if (name == "digits") style.digits = true;
  else if (name == "centred") style.centred = true;
  else if (name == "password") style.password = true;
  else if (name == "default") style.isDefault = true;
  else if (name == "hscroll") style.hscroll = true;
  else return false;
  return true;
}

std::optional<int> WholeInt(double value) {
  if (value != static_cast<double>(static_cast<long long>(value)) || value < -2147483648.0 ||
      value > 2147483647.0) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace quelmo
