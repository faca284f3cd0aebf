#pragma once
// The short message the check sends on request: its subject and text in the
// UI's language, naming the camera model, and a small picture built into the
// program, as the camera's own mails carry one.

#include <string>
#include <string_view>

namespace quelmo {

struct TestMessageTexts {
  std::string subject;  // UTF-8
  std::string body;     // UTF-8, lines ending in CRLF
};

TestMessageTexts TestMessageFor(int language, std::string_view model_name);

// A small PNG picture to attach.
std::string_view TestPicturePng();

}  // namespace quelmo
