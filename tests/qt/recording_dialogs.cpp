#include "recording_dialogs.h"

namespace quelmo {

void RecordingDialogs::ShowMessage(QWidget*, const QString& text, MessageIcon icon) {
  messages_.push_back(RecordedMessage{text, icon});
}

bool RecordingDialogs::AskYesNo(QWidget*, const QString& text) {
  questions_.push_back(text);
  if (questions_answers_.empty()) return false;
  const bool yes = questions_answers_.front();
  questions_answers_.pop_front();
  return yes;
}

std::optional<QString> RecordingDialogs::ChooseFolder(QWidget*, const QString& start) {
  folder_start_ = start;
  if (folders_.empty()) return std::nullopt;
  std::optional<QString> answer = folders_.front();
  folders_.pop_front();
  return answer;
}

std::optional<QString> RecordingDialogs::ChooseFile(QWidget*, const QString& qt_filter) {
  filters_.push_back(qt_filter);
  if (files_.empty()) return std::nullopt;
  std::optional<QString> answer = files_.front();
  files_.pop_front();
  return answer;
}

}  // namespace quelmo
