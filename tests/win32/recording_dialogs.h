#pragma once
// Message boxes and choosers answered by the test instead of a user.

#include <optional>
#include <string>
#include <vector>

#include "win32/native_dialogs.h"

namespace quelmo {

class RecordingDialogs final : public NativeDialogs {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };
  std::vector<Message> messages;
  std::optional<std::string> folderAnswer;
  std::optional<std::string> fileAnswer;

  void ShowMessage(HWND, std::string_view text, MessageIcon icon) override {
    messages.push_back({std::string(text), icon});
  }
  std::optional<std::string> ChooseFolder(HWND, std::string_view) override { return folderAnswer; }
  std::optional<std::string> ChooseFile(HWND, std::string_view) override { return fileAnswer; }
};

}  // namespace quelmo
