#pragma once
// The messages every form shows after a write or a load. The form's own
// confirmation sentence comes from its text table; what follows is the same
// for every form, in the language of a code (text/translate.h).
// Confirmations take the program's icon, failures the warning icon.

#include <string>
#include <string_view>

#include "base/result.h"

namespace quelmo {

// The confirmation of a complete, verified write: the form's sentence, then
// the full path of the file written on a line of its own, so that the user
// sees where it went.
std::string SavedMessage(std::string_view confirmation, std::string_view file_path);

// A write that did not complete: which file was not saved, where, why in the
// user's words, and the system's detail.
std::string SaveFailedMessage(std::string_view file_name, std::string_view folder,
                              const Error& error, int language_index);

// A file that could not be loaded into a form; `reason` says why (it may
// already name the file).
std::string LoadFailedMessage(std::string_view file_path, std::string_view reason,
                              int language_index);

// The file-type filter of the dialog that opens a setting file to load:
// "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||", its names translated.
std::string LoadFileFilter(int language_index);

}  // namespace quelmo
