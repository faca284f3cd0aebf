#pragma once
// The dots per inch of the monitor a window is on. quelmo.exe is aware of
// each monitor's DPI (its manifest), so a window's fonts are made for its
// own monitor rather than the system's first one.

#include "win32/win32_api.h"

namespace quelmo {

// GetDpiForWindow where the system has it (Windows 10 1607 and later),
// else the screen's LOGPIXELSY, as on older systems and Wine.
int WindowDpi(HWND window);

}  // namespace quelmo
