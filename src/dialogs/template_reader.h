#pragma once
// Reads a dialog template straight from its JSON text, without building a
// JSON document first: opening a window waits for this, and the document
// cost more than the rest of reading. It takes only what a sound template
// holds; for anything else (a broken field, an unknown kind, a repeated key)
// it gives up and ParseDialogTemplate reads the document, which says what is
// wrong. Where it succeeds, the template is the one ParseDialogTemplate makes.

#include <optional>
#include <string_view>

#include "dialogs/dialog_template.h"

namespace quelmo {

std::optional<DialogTemplate> ReadSoundTemplate(std::string_view json);

}  // namespace quelmo
