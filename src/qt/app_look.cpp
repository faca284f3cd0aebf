#include "qt/app_look.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QString>
#include <QStyle>

#include "qt/dialog_style.h"

// Resources of a static library are registered by name, outside any namespace.
static void InitQuelmoResources() { Q_INIT_RESOURCE(quelmo); }

namespace quelmo {

bool ApplyAppLook(QApplication& app) {
  InitQuelmoResources();
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/icons/quelmo-%1.png").arg(size), QSize(size, size));
  }
  app.setWindowIcon(icon);
  // Before the skin, which draws over whatever style it finds.
  app.setStyle(new DialogStyle(app.style()->name()));

  QFile skin(QStringLiteral(":/skin/quelmo.qss"));
  if (!skin.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  app.setStyleSheet(QString::fromUtf8(skin.readAll()));
  return true;
}

}  // namespace quelmo
