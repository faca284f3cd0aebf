#pragma once
// The QApplication every Qt test needs, made once for the test program on
// the offscreen platform, with the program's resources, icon and skin.

#include <QWidget>

namespace quelmo {

// Runs queued work, deferred deletions included.
void ProcessQtEvents();

// Whether any top-level window of the program is visible.
bool AnyWindowVisible();

}  // namespace quelmo
