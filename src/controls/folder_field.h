#pragma once
// The destination folder of a form: an edit and a Select button. Every form
// writes its file where this field says.
//
// The folder is never stored in a setting file, so the field accepts every
// character the file system does and counts its limit in characters. The
// browser opens at the folder shown, and cancelling it leaves the field as it
// was: a folder the user typed is never thrown away behind their back.

#include <optional>
#include <string>

#include "controls/form_view.h"

namespace quelmo {

// Longest folder a form accepts, in characters.
inline constexpr int kFolderCharacterLimit = 80;

// Characters (code points) of a UTF-8 text.
int CharacterCount(std::string_view utf8);

class FolderField {
 public:
  // `default_folder` is the program's own choice (the user's home): shown at
  // first, used when the field is emptied, and accepted whatever its length.
  FolderField(FormView& view, ControlId edit, std::string default_folder, int language_index);

  // The window exists: set the field's limit and show the folder.
  void Open();
  // Folder -> field.
  void Show();
  // Field -> folder. False, with the length message and the field focused,
  // when the text is too long; the folder held before stays.
  bool Take();
  // As Take, for a write: an emptied field means the default folder (never a
  // name relative to wherever the program happens to run).
  bool TakeForWrite();
  // The Select button: the folder browser, opened at the folder shown.
  void Choose();

  const std::string& folder() const { return folder_; }

 private:
  bool Accepts(const std::string& folder) const;
  void TakeChosen(const std::optional<std::string>& chosen);

  FormView& view_;
  ControlId edit_;
  std::string default_folder_;
  int language_;
  std::string folder_;
};

}  // namespace quelmo
