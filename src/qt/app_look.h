#pragma once
// The program's looks: its resources (dialog templates, icon), its icon on
// every window, and its style (dialog_style.h): the system's look with the
// dialog proportions and a quiet field-green accent.

class QApplication;

namespace quelmo {

// Makes the program's resources available (needed before any window is
// made), sets the application icon and the style.
void ApplyAppLook(QApplication& app);

}  // namespace quelmo
