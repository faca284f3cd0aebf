#pragma once
// The program's command line (app/program_options.h) and what the Qt host
// must know before it reaches the window system.

#include <string>
#include <vector>

#include "app/program_options.h"

namespace quelmo {

// The window system can be reached: a display, a Wayland display, or a Qt
// platform named in QT_QPA_PLATFORM or by -platform. Always true on Windows
// and macOS.
bool DisplayAvailable(const std::vector<std::string>& arguments);

inline constexpr const char* kNoDisplayMessage =
    "quelmo: no display available; use `quelmo --screenshots DIR` to render the windows to PNG, "
    "or `quelmo-cli` to write setting files";

}  // namespace quelmo
