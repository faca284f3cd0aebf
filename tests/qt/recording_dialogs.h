#pragma once
// Dialogs answered by the test instead of a user: messages are recorded,
// folder and file choices come from scripted answers (cancelled when none).

#include <QString>

#include <deque>
#include <optional>
#include <vector>

#include "qt/dialog_adapter.h"

namespace quelmo {

struct RecordedMessage {
  QString text;
  MessageIcon icon = MessageIcon::kApp;
};

class RecordingDialogs final : public DialogAdapter {
 public:
  void AnswerFolder(std::optional<QString> answer) { folders_.push_back(std::move(answer)); }
  void AnswerFile(std::optional<QString> answer) { files_.push_back(std::move(answer)); }
  void AnswerQuestion(bool yes) { questions_answers_.push_back(yes); }  // No when none is left
  const std::vector<QString>& Questions() const { return questions_; }

  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  const std::vector<QString>& FileFilters() const { return filters_; }

  void ShowMessage(QWidget* over, const QString& text, MessageIcon icon) override;
  bool AskYesNo(QWidget* over, const QString& text) override;
  std::optional<QString> ChooseFolder(QWidget* over, const QString& start) override;
  // Where the folder browser was last opened.
  const QString& FolderStart() const { return folder_start_; }
  std::optional<QString> ChooseFile(QWidget* over, const QString& qt_filter) override;

 private:
  std::vector<RecordedMessage> messages_;
  std::vector<QString> filters_;
  std::deque<std::optional<QString>> folders_;
  QString folder_start_;
  std::deque<std::optional<QString>> files_;
  std::deque<bool> questions_answers_;
  std::vector<QString> questions_;
};

}  // namespace quelmo
