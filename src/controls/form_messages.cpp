#include "controls/form_messages.h"

#include "platform/file_system.h"
#include "text/translate.h"

namespace quelmo {
namespace {

// What went wrong, in words a user can act on; the system's own detail
// follows it in brackets.
std::string_view FailureReason(ErrorCode code, int language) {
  switch (code) {
    case ErrorCode::kNotFound:
      return Translate(language, "the folder does not exist.");
    case ErrorCode::kInvalidArgument:
      return Translate(language, "this is not a folder a file can be written into.");
    case ErrorCode::kNotEncodable:
      return Translate(language, "the path holds characters that cannot be used.");
    case ErrorCode::kCorrupt:
      return Translate(language,
                       "what was read back after writing differs; the file was not saved "
                       "completely.");
    case ErrorCode::kBusy:
      return Translate(language, "another save is writing into this folder; try again in a moment.");
    case ErrorCode::kUnavailable:
    case ErrorCode::kIoError:
      break;
  }
  return Translate(language,
                   "it cannot be written (is the card full, write-protected or taken out?).");
}

}  // namespace

std::string SavedMessage(std::string_view confirmation, std::string_view file_path) {
  std::string message(confirmation);
  return message.append("\n").append(file_path);
}

std::string SaveFailedMessage(std::string_view file_name, std::string_view folder,
                              const Error& error, int language_index) {
  const std::string path = PathToUtf8(PathFromUtf8(folder) / PathFromUtf8(file_name));
  return FillIn(Translate(language_index, "{path} was not saved: {reason}\n({detail})"),
                {{"path", path},
                 {"reason", FailureReason(error.code, language_index)},
                 {"detail", error.message}});
}

std::string LoadFailedMessage(std::string_view file_path, std::string_view reason,
                              int language_index) {
  return FillIn(Translate(language_index, "{path} could not be loaded.\n{reason}"),
                {{"path", file_path}, {"reason", reason}});
}

std::string LoadFileFilter(int language_index) {
  std::string filter(Translate(language_index, "Quelmo Files (*.dat)"));
  filter.append("|*.dat|").append(Translate(language_index, "All Files (*.*)"));
  return filter.append("|*.*||");
}

}  // namespace quelmo
