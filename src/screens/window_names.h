#pragma once
// Every window of the program by a short name, and a language by a short
// code: what the hosts name their screenshots after ("camera-de").

#include <array>
#include <string>
#include <utility>

#include "session/form_logic.h"

namespace quelmo {

inline constexpr std::array<std::pair<Next, const char*>, 6> kNamedWindows = {{
    {Next::kLauncher, "launcher"},
    {Next::kAbout, "about"},
    {Next::kCameraForm, "camera"},
    {Next::kMmsForm, "mms"},
    {Next::kSmtpForm, "smtp"},
    {Next::kSmsForm, "sms"},
}};

// "zh", "en", "de", ... for the codes of the language table; "lang<N>" for
// any other.
std::string LanguageFileCode(int language_index);

}  // namespace quelmo
