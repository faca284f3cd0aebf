#include "qt/dialog_adapter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "session/app_state.h"

namespace quelmo {

void QtDialogAdapter::ShowMessage(QWidget* over, const QString& text, MessageIcon icon) {
  QMessageBox box(over);
  box.setWindowTitle(QString::fromUtf8(kAppTitle));
  box.setText(text);
  if (icon == MessageIcon::kWarning) {
    box.setIcon(QMessageBox::Warning);
  } else {
    box.setIconPixmap(QApplication::windowIcon().pixmap(32, 32));
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool QtDialogAdapter::AskYesNo(QWidget* over, const QString& text) {
  QMessageBox box(over);
  box.setWindowTitle(QString::fromUtf8(kAppTitle));
  box.setText(text);
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogAdapter::ChooseFolder(QWidget* over, const QString& start) {
  // The browser has no title of its own and lets the user type a path.
  const QString folder = QFileDialog::getExistingDirectory(over, QString(), start);
  if (folder.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(folder);
}

std::optional<QString> QtDialogAdapter::ChooseFile(QWidget* over, const QString& qt_filter) {
  const QString file = QFileDialog::getOpenFileName(over, QString(), QString(), qt_filter);
  if (file.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(file);
}

QString QtFileFilter(std::string_view windows_filter) {
  const QStringList parts =
      QString::fromUtf8(windows_filter.data(), static_cast<qsizetype>(windows_filter.size()))
          .split(QLatin1Char('|'));
  QStringList filters;
  // Description and patterns alternate; the list ends with an empty pair.
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts.at(i).trimmed();
    QString patterns = parts.at(i + 1).trimmed();
    if (description.isEmpty() && patterns.isEmpty()) break;
    // Qt reads the patterns from the parentheses at the end of the name.
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open > 0 && description.endsWith(QLatin1Char(')'))) {
      description = description.left(open).trimmed();
    }
    QStringList globs = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& glob : globs) {
      glob = glob.trimmed();
      if (glob == QLatin1String("*.*")) glob = QStringLiteral("*");
    }
    if (globs.isEmpty()) globs << QStringLiteral("*");
    filters << description + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

}  // namespace quelmo
