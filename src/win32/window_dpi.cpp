#include "win32/window_dpi.h"

namespace quelmo {

int WindowDpi(HWND window) {
  // Looked up at run time: linking it would keep the program from starting
  // on a system without it.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC found = user32 != nullptr ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
    return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(found));
  }();
  if (get_dpi_for_window != nullptr && window != nullptr) {
    if (const UINT dpi = get_dpi_for_window(window); dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace quelmo
