#pragma once
// The dialog templates of resources/dialogs, compiled into the program by the
// build (a generated source), so that no host needs a resource system.

#include <optional>
#include <string_view>

namespace quelmo {

// The JSON text of a dialog resource; nullopt when the program has none.
std::optional<std::string_view> EmbeddedDialogJson(int resource_id);

}  // namespace quelmo
