#include "qt/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <array>
#include <cstdio>
#include <utility>

#include "qt/dialog_adapter.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"

namespace quelmo {
namespace {

// No one answers dialogs while the windows are rendered: messages go to the
// error stream and every chooser is cancelled.
class UnattendedDialogs final : public DialogAdapter {
 public:
  void ShowMessage(QWidget*, const QString& text, MessageIcon) override {
    std::fprintf(stderr, "quelmo: %s\n", text.toStdString().c_str());
  }
  bool AskYesNo(QWidget*, const QString& text) override {
    std::fprintf(stderr, "quelmo: %s (answered No)\n", text.toStdString().c_str());
    return false;
  }
  std::optional<QString> ChooseFolder(QWidget*, const QString&) override { return std::nullopt; }
  std::optional<QString> ChooseFile(QWidget*, const QString&) override { return std::nullopt; }
};

}  // namespace

QImage Framed(const QPixmap& contents, const QFont& font, const QIcon& icon, const QString& title) {
  // Drawn in the window's own units on an image of the contents' pixel
  // density: the contents land pixel for pixel, the frame scales with them.
  const qreal ratio = contents.devicePixelRatio();
  const QSize size = contents.deviceIndependentSize().toSize();
  const int title_height = QFontMetrics(font).height() + 12;
  const QSize framed(size.width() + 2, size.height() + title_height + 1);
  QImage image(qCeil(framed.width() * ratio), qCeil(framed.height() * ratio),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(QColor(0x6b, 0x77, 0x6e));

  QPainter painter(&image);
  painter.fillRect(QRect(1, 1, size.width(), title_height - 1), QColor(0xe4, 0xe9, 0xe1));
  const int icon_size = 16;
  icon.paint(&painter, QRect(6, 1 + (title_height - icon_size) / 2, icon_size, icon_size));
  painter.setFont(font);
  painter.setPen(QColor(0x1d, 0x2a, 0x1f));
  painter.drawText(QRect(6 + icon_size + 6, 1, size.width() - icon_size - 12, title_height - 1),
                   Qt::AlignVCenter | Qt::AlignLeft, title);
  painter.drawPixmap(QPoint(1, title_height), contents);
  return image;
}

Status RenderScreenshots(AppContext& context, const QString& folder) {
  if (!QDir().mkpath(folder)) {
    return Error{ErrorCode::kIoError, "cannot make the folder " + folder.toStdString()};
  }
  UnattendedDialogs dialogs;
  // Qt's own buttons in the language, as on screen.
  QtScreenHost host(dialogs);
  const ScreenMaker screens = ProgramScreens(context);
  const int language_index = context.state.languageIndex;
  std::string failures;
  const std::string language = LanguageFileCode(language_index);
  for (const auto& [which, name] : kNamedWindows) {
    const std::string file_name = std::string(name) + "-" + language + ".png";
    Result<std::unique_ptr<Screen>> screen = Screen::Make(which, host, screens, language_index);
    if (!screen) {
      failures += "\n  " + file_name + ": " + screen.message();
      continue;
    }
    DialogWindow& window = QtScreenHost::WindowOf(**screen).Window();
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromStdString(file_name));
    if (!Framed(window.grab(), window.font(), window.windowIcon(), window.windowTitle()).save(path, "PNG")) {
      failures += "\n  " + file_name + ": cannot write " + path.toStdString();
    }
    (*screen)->Window().Hide();
  }
  // The operator finder, over the MMS form it fills.
  const std::string finder_name = "finder-" + language + ".png";
  Result<std::unique_ptr<Screen>> form = Screen::Make(Next::kMmsForm, host, screens, language_index);
  Result<std::unique_ptr<Screen>> finder =
      form ? Screen::Make(Next::kOperatorFinder, host, screens, language_index, form->get())
           : Result<std::unique_ptr<Screen>>(form.error());
  if (!finder) {
    failures += "\n  " + finder_name + ": " + finder.message();
  } else {
    DialogWindow& window = QtScreenHost::WindowOf(**finder).Window();
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromStdString(finder_name));
    if (!Framed(window.grab(), window.font(), window.windowIcon(), window.windowTitle()).save(path, "PNG")) {
      failures += "\n  " + finder_name + ": cannot write " + path.toStdString();
    }
    (*finder)->Window().Hide();
    (*form)->Window().Hide();
  }
  if (!failures.empty()) {
    return Error{ErrorCode::kIoError, "some windows were not rendered:" + failures};
  }
  return Status::Ok();
}

}  // namespace quelmo
