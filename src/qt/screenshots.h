#pragma once
// Renders every window of the program to a PNG file, without a user: the
// launcher, the About window and each setting form, as each opens in the
// session's language. Files are named after the window and the language:
// launcher-en.png, camera-zh.png, about-de.png, ...

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <string>

#include "base/result.h"
#include "screens/window_names.h"
#include "session/app_context.h"

namespace quelmo {

// Writes the PNG files into `folder` (made when missing). A window that
// cannot be made or saved is named in the error; the others are still
// written.
Status RenderScreenshots(AppContext& context, const QString& folder);

// A window's grabbed `contents` under a plain title bar with `icon` and
// `title`, since the window system's frame is not drawn offscreen. On a
// scaled screen (QT_SCALE_FACTOR, a high-DPI monitor) the picture has the
// contents' own pixels: the whole window, scaled.
QImage Framed(const QPixmap& contents, const QFont& font, const QIcon& icon, const QString& title);

}  // namespace quelmo
