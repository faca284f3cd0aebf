#pragma once
// The words of a dialog template's JSON: control kinds, style names and the
// whole numbers its places are given in. Shared by both readers of a template
// (dialog_template.cpp, template_reader.cpp), so that they accept the same.

#include <optional>
#include <string_view>

#include "dialogs/dialog_template.h"

namespace quelmo {

// The kind a "kind" names; nullopt for an unknown name.
std::optional<ControlKind> KindNamed(std::string_view name);

// Sets the flag a style name stands for; false for an unknown name.
bool ApplyStyle(std::string_view name, ControlStyle& style);

// A number that is whole and fits an int: 3 and 3.0 are, 3.5 is not.
std::optional<int> WholeInt(double value);

}  // namespace quelmo
