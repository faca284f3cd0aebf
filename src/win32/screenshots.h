#pragma once
// Renders every window of the program to a BMP file, without a user: the
// launcher, the About window and each setting form, as each opens in the
// session's language, framed as the system draws it. Files are named after
// the window and the language: launcher-en.bmp, camera-zh.bmp, ...

#include <string>

#include "base/result.h"
#include "session/app_context.h"

namespace quelmo {

// Writes the files into `folder` (made when missing). A window that cannot
// be made or saved is named in the error; the others are still written.
Status RenderScreenshots(AppContext& context, const std::string& folder);

}  // namespace quelmo
