#pragma once
// A dialog template turned into the in-memory form the Win32 dialog functions
// take (DLGTEMPLATEEX and one DLGITEMTEMPLATEEX per control), so that the
// system itself places the controls in dialog units of the template's font
// and gives the window the tab order, default button, Enter and Esc users
// know.

#include <cstdint>
#include <vector>

#include "dialogs/dialog_template.h"

namespace quelmo {

// The window and control styles of each kind, as the dialog is made.
struct Win32Styles {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint16_t classAtom = 0;  // 0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo box
};

Win32Styles DialogStyles(const DialogTemplate& dialog, bool owned);
Win32Styles ControlStyles(const ControlTemplate& control);

// The template's bytes, DWORD-aligned as the system wants them. `owned`: the
// window is shown over another (the About window over the launcher).
std::vector<std::uint8_t> BuildDialogResource(const DialogTemplate& dialog, bool owned = false);

}  // namespace quelmo
