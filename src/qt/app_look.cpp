#include "qt/app_look.h"

#include <QApplication>
#include <QIcon>
#include <QString>
#include <QStyle>

#include "qt/dialog_style.h"

// Resources of a static library are registered by name, outside any namespace.
static void InitQuelmoResources() { Q_INIT_RESOURCE(quelmo); }

namespace quelmo {

void ApplyAppLook(QApplication& app) {
  InitQuelmoResources();
  // The sizes window managers show (title bar, task switcher); each one
  // given is decoded and sent to the window system with every window.
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/icons/quelmo-%1.png").arg(size), QSize(size, size));
  }
  app.setWindowIcon(icon);
  app.setStyle(new DialogStyle(app.style()->name()));
  DialogStyle::InstallPalettes();
}

}  // namespace quelmo
