#pragma once
// A FormView that records what the form logic did to it, and lets a test act
// as the user: type into an edit, pick a list entry, click a button. The
// helpers set the control first and then tell the bound logic, as the window
// system would. Each edit has a caret as the real views do (counted in
// characters): a new text puts it at the end, the text already shown keeps it.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controls/form_view.h"
#include "session/form_logic.h"
#include "support/caret_place.h"

namespace quelmo {

struct ShownMessage {
  std::string text;
  MessageIcon icon = MessageIcon::kApp;
};

class FakeView final : public FormView {
 public:
  FakeView() = default;
  explicit FakeView(FormLogic& logic) : logic_(&logic) {}

  // The logic the user's actions go to. A window made anew: questions the
  // one before left open are never answered, as when a window ends.
  void Bind(FormLogic& logic) {
    logic_ = &logic;
    held_.clear();
  }

  // --- the user ---
  // Replaces the edit's whole text, the caret at its end.
  Next Type(ControlId id, const std::string& text);
  // Places the caret, or selects from start to end, held to the text.
  void PlaceCaret(ControlId id, CaretPlace place);
  // Leaves an edit, by Tab or a click elsewhere.
  Next Leave(ControlId id);
  Next Pick(ControlId id, int index);
  Next Click(ControlId id);
  // Presses Cancel in the progress window, which closes.
  Next CancelProgress();

  // --- scripted answers of the dialogs, used in order; nullopt when none left
  void AnswerFolder(std::optional<std::string> answer) { folder_answers_.push_back(std::move(answer)); }
  void AnswerFile(std::optional<std::string> answer) { file_answers_.push_back(std::move(answer)); }
  // No, when none is left.
  void AnswerQuestion(bool yes) { question_answers_.push_back(yes); }
  // From now on a question stays open after the call that asked it, as under
  // a host that cannot wait for the user, until AnswerHeld(). Before, each is
  // answered at once, as by a modal dialog.
  void HoldAnswers() { hold_answers_ = true; }
  // Answers the oldest open question with its scripted answer; false when
  // none is open.
  bool AnswerHeld();
  int HeldQuestions() const { return static_cast<int>(held_.size()); }

  // --- what the logic did ---
  const std::string& Title() const { return title_; }
  std::vector<std::string> Items(ControlId id) const;
  // The text of the selected entry; "" when none.
  std::string SelectedText(ControlId id) const;
  bool IsReadOnly(ControlId id) const;
  bool IsEnabled(ControlId id) const;  // true unless disabled
  std::optional<int> ByteLimit(ControlId id) const;
  std::optional<int> CharacterLimit(ControlId id) const;
  std::optional<ControlId> Focused() const { return focused_; }
  CaretPlace Caret(ControlId id) const;
  const std::vector<ShownMessage>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  const std::vector<std::string>& Questions() const { return questions_; }
  // The progress window's text; nullopt when it is not shown.
  const std::optional<std::string>& Progress() const { return progress_; }
  int ProgressShows() const { return progress_shows_; }  // texts shown in it so far
  int FolderRequests() const { return folder_requests_; }
  // Where the folder browser was last opened.
  const std::string& FolderStart() const { return folder_start_; }
  const std::vector<std::string>& FileFilters() const { return file_filters_; }

  // --- FormView ---
  void SetTitle(std::string_view text) override { title_ = std::string(text); }
  void SetText(ControlId id, std::string_view text) override;
  std::string Text(ControlId id) const override;
  void SetItems(ControlId id, const std::vector<std::string>& items) override;
  void SetSelection(ControlId id, int index) override;
  int Selection(ControlId id) const override;
  void SetReadOnly(ControlId id, bool read_only) override { read_only_[id] = read_only; }
  void SetEnabled(ControlId id, bool enabled) override { enabled_[id] = enabled; }
  void SetByteLimit(ControlId id, int bytes) override { byte_limits_[id] = bytes; }
  void SetCharacterLimit(ControlId id, int characters) override {
    character_limits_[id] = characters;
  }
  void FocusAndSelectAll(ControlId id) override;
  void ShowMessage(std::string_view text, MessageIcon icon = MessageIcon::kApp) override;
  void AskYesNo(std::string_view text, YesNoAnswer answer) override;
  void ShowProgress(std::string_view text) override {
    progress_ = std::string(text);
    ++progress_shows_;
  }
  void CloseProgress() override { progress_.reset(); }
  void ChooseFolder(std::string_view start_folder, PathAnswer answer) override;
  void ChooseFile(std::string_view filter, PathAnswer answer) override;

 private:
  FormLogic& Logic() const;
  // Answers now, or later when answers are held.
  void Answer(std::function<void()> give);

  FormLogic* logic_ = nullptr;
  std::string title_;
  std::map<ControlId, std::string> texts_;
  std::map<ControlId, CaretPlace> carets_;  // none: at the end of the text
  std::map<ControlId, std::vector<std::string>> items_;
  std::map<ControlId, int> selections_;
  std::map<ControlId, bool> read_only_;
  std::map<ControlId, bool> enabled_;
  std::map<ControlId, int> byte_limits_;
  std::map<ControlId, int> character_limits_;
  std::optional<ControlId> focused_;
  std::vector<ShownMessage> messages_;
  std::deque<std::optional<std::string>> folder_answers_;
  std::deque<std::optional<std::string>> file_answers_;
  std::deque<bool> question_answers_;
  bool hold_answers_ = false;
  std::deque<std::function<void()>> held_;
  std::vector<std::string> questions_;
  std::optional<std::string> progress_;
  int progress_shows_ = 0;
  int folder_requests_ = 0;
  std::string folder_start_;
  std::vector<std::string> file_filters_;
};

}  // namespace quelmo
