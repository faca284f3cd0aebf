#pragma once
// The program's looks: its resources (dialog templates, icon, skin), its icon
// on every window, and the optional skin, a Qt style sheet carried in the
// resources. Without the skin every window keeps the system's ordinary look
// and behaves the same.

class QApplication;

namespace quelmo {

// Makes the program's resources available (needed before any window is
// made), sets the application icon, the dialog proportions of the style
// (dialog_style.h) and, if the program carries it, the skin.
// Returns whether the skin was applied.
bool ApplyAppLook(QApplication& app);

}  // namespace quelmo
