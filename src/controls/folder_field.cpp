#include "controls/folder_field.h"

#include <optional>
#include <utility>

#include "controls/framework_messages.h"

namespace quelmo {

int CharacterCount(std::string_view utf8) {
  int count = 0;
  for (const char c : utf8) {
    // Every byte but a continuation byte starts a character.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

FolderField::FolderField(FormView& view, ControlId edit, std::string default_folder,
                         int language_index)
    : view_(view),
      edit_(edit),
      default_folder_(std::move(default_folder)),
      language_(language_index),
      folder_(default_folder_) {}

void FolderField::Open() {
  view_.SetCharacterLimit(edit_, kFolderCharacterLimit);
  Show();
}

void FolderField::Show() { view_.SetText(edit_, folder_); }

bool FolderField::Accepts(const std::string& folder) const {
  return folder == default_folder_ || CharacterCount(folder) <= kFolderCharacterLimit;
}

bool FolderField::Take() {
  std::string text = view_.Text(edit_);
  if (!Accepts(text)) {
    view_.ShowMessage(FrameworkLengthMessage(kFolderCharacterLimit, language_),
                      MessageIcon::kWarning);
    view_.FocusAndSelectAll(edit_);
    return false;
  }
  folder_ = std::move(text);
  return true;
}

bool FolderField::TakeForWrite() {
  if (!Take()) return false;
  if (folder_.empty()) {
    folder_ = default_folder_;
    Show();
  }
  return true;
}

void FolderField::Choose() {
  std::string shown = view_.Text(edit_);
  view_.ChooseFolder(shown.empty() ? default_folder_ : shown,
                     [this](std::optional<std::string> chosen) { TakeChosen(chosen); });
}

void FolderField::TakeChosen(const std::optional<std::string>& chosen) {
  if (!chosen || chosen->empty()) return;  // cancelled: the field stays as it is
  if (!Accepts(*chosen)) {
    view_.ShowMessage(FrameworkLengthMessage(kFolderCharacterLimit, language_),
                      MessageIcon::kWarning);
    return;
  }
  folder_ = *chosen;
  Show();
}

}  // namespace quelmo
