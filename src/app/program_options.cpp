#include "app/program_options.h"

#include <charconv>

#include "text/languages.h"

namespace quelmo {
namespace {

Error Usage(std::string message) { return Error{ErrorCode::kInvalidArgument, std::move(message)}; }

}  // namespace

Result<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      line.help = true;
    } else if (argument == "--version") {
      line.version = true;
    } else if (argument == "--screenshots") {
      if (!has_value || arguments[i + 1].empty()) return Usage("--screenshots needs a folder");
      line.screenshotFolder = arguments[++i];
    } else if (argument == "--language") {
      if (!has_value) return Usage("--language needs a language code of the launcher's list");
      const std::string& text = arguments[++i];
      int code = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
      if (error != std::errc() || end != text.data() + text.size() ||
          FindLanguage(code) == nullptr) {
        return Usage("--language takes a language code from 1 to 11, not \"" + text + "\"");
      }
      line.language = code;
    } else if (argument.rfind("--", 0) == 0) {
      return Usage("unknown option " + argument);
    } else if (argument.rfind('-', 0) == 0) {
      // The window toolkit's own options; a following value belongs to it.
      if ((argument == "-platform" || argument == "-style" || argument == "-stylesheet") &&
          has_value) {
        ++i;
      }
    } else {
      return Usage("unexpected argument \"" + argument + "\"");
    }
  }
  if (line.language && !line.screenshotFolder) {
    return Usage("--language is only for --screenshots; pick the language in the launcher");
  }
  return line;
}

std::string CommandLineUsage() {
  return "usage: quelmo [--screenshots DIR [--language N]] [--help] [--version]\n"
         "  Without options: the launcher and the four setting forms.\n"
         "  --screenshots DIR  render every window to image files in DIR and exit\n"
         "  --language N       the language of those windows, 1 to 11 (zh en de fi it fr hu sl\n"
         "                     cs ja lt); the stored choice stays as it is\n"
         "  --help             this text\n"
         "  --version          the program's version\n";
}

}  // namespace quelmo
