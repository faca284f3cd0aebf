#include "mail_check/test_message.h"

#include "text/translate.h"

namespace quelmo {

TestMessageTexts TestMessageFor(int language, std::string_view model_name) {
  const std::string_view body = Translate(
      language,
      "This is a test message from Quelmo Setup.\n"
      "If you received it, the e-mail settings of your {model} camera work from this PC.\n"
      "A sample picture is attached, as the camera attaches its photos.\n");
  // Mail wants CRLF line ends; the catalogues keep plain ones.
  std::string crlf;
  for (const char c : FillIn(body, {{"model", model_name}})) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return {FillIn(Translate(language, "{model} test message"), {{"model", model_name}}),
          std::move(crlf)};
}

}  // namespace quelmo
