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
  std::vector<bool> questionAnswers;  // in order; No when none is left
  std::vector<std::string> questions;

  void ShowMessage(HWND, std::string_view text, MessageIcon icon) override {
    messages.push_back({std::string(text), icon});
  }
  bool AskYesNo(HWND, std::string_view text) override {
    questions.emplace_back(text);
    if (questionAnswers.empty()) return false;
    const bool yes = questionAnswers.front();
    questionAnswers.erase(questionAnswers.begin());
    return yes;
  }
  std::optional<std::string> ChooseFolder(HWND, std::string_view) override { return folderAnswer; }
  std::optional<std::string> ChooseFile(HWND, std::string_view) override { return fileAnswer; }
};

}  // namespace quelmo
