#include "support/fake_view.h"

#include <algorithm>
#include <stdexcept>

#include "controls/folder_field.h"

namespace quelmo {

FormLogic& FakeView::Logic() const {
  if (logic_ == nullptr) throw std::logic_error("FakeView: no logic bound to act on");
  return *logic_;
}

Next FakeView::Type(ControlId id, const std::string& text) {
  texts_[id] = text;
  carets_.erase(id);
  return Logic().TextEdited(id);
}

void FakeView::PlaceCaret(ControlId id, CaretPlace place) {
  const int length = CharacterCount(Text(id));
  place.start = std::clamp(place.start, 0, length);
  place.end = std::clamp(place.end, place.start, length);
  carets_[id] = place;
}

CaretPlace FakeView::Caret(ControlId id) const {
  const auto it = carets_.find(id);
  if (it != carets_.end()) return it->second;
  const int length = CharacterCount(Text(id));
  return {length, length};
}

void FakeView::SetText(ControlId id, std::string_view text) {
  if (Text(id) == text) return;
  texts_[id] = std::string(text);
  carets_.erase(id);
}

void FakeView::FocusAndSelectAll(ControlId id) {
  focused_ = id;
  carets_[id] = {0, CharacterCount(Text(id))};
}

Next FakeView::Leave(ControlId id) { return Logic().FocusLeft(id); }

Next FakeView::Pick(ControlId id, int index) {
  SetSelection(id, index);
  return Logic().SelectionChanged(id);
}

Next FakeView::Click(ControlId id) { return Logic().Clicked(id); }

std::string FakeView::Text(ControlId id) const {
  const auto it = texts_.find(id);
  return it == texts_.end() ? std::string() : it->second;
}

void FakeView::SetItems(ControlId id, const std::vector<std::string>& items) {
  items_[id] = items;
  selections_[id] = -1;
}

void FakeView::SetSelection(ControlId id, int index) {
  const int count = static_cast<int>(Items(id).size());
  selections_[id] = index >= 0 && index < count ? index : -1;
}

int FakeView::Selection(ControlId id) const {
  const auto it = selections_.find(id);
  return it == selections_.end() ? -1 : it->second;
}

std::vector<std::string> FakeView::Items(ControlId id) const {
  const auto it = items_.find(id);
  return it == items_.end() ? std::vector<std::string>() : it->second;
}

std::string FakeView::SelectedText(ControlId id) const {
  const int index = Selection(id);
  return index < 0 ? std::string() : Items(id)[static_cast<std::size_t>(index)];
}

bool FakeView::IsReadOnly(ControlId id) const {
  const auto it = read_only_.find(id);
  return it != read_only_.end() && it->second;
}

bool FakeView::IsEnabled(ControlId id) const {
  const auto it = enabled_.find(id);
  return it == enabled_.end() || it->second;
}

std::optional<int> FakeView::ByteLimit(ControlId id) const {
  const auto it = byte_limits_.find(id);
  return it == byte_limits_.end() ? std::nullopt : std::optional<int>(it->second);
}

void FakeView::ShowMessage(std::string_view text, MessageIcon icon) {
  messages_.push_back({std::string(text), icon});
}

void FakeView::Answer(std::function<void()> give) {
  if (hold_answers_) {
    held_.push_back(std::move(give));
  } else {
    give();
  }
}

bool FakeView::AnswerHeld() {
  if (held_.empty()) return false;
  std::function<void()> give = std::move(held_.front());
  held_.pop_front();
  give();
  return true;
}

void FakeView::AskYesNo(std::string_view text, YesNoAnswer answer) {
  questions_.emplace_back(text);
  Answer([this, answer = std::move(answer)] {
    bool yes = false;
    if (!question_answers_.empty()) {
      yes = question_answers_.front();
      question_answers_.pop_front();
    }
    answer(yes);
  });
}

Next FakeView::CancelProgress() {
  progress_.reset();
  return Logic().Clicked(kIdProgressCancel);
}

std::optional<int> FakeView::CharacterLimit(ControlId id) const {
  const auto it = character_limits_.find(id);
  return it == character_limits_.end() ? std::nullopt : std::optional<int>(it->second);
}

namespace {

std::optional<std::string> TakeFirst(std::deque<std::optional<std::string>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> first = std::move(answers.front());
  answers.pop_front();
  return first;
}

}  // namespace

void FakeView::ChooseFolder(std::string_view start_folder, PathAnswer answer) {
  ++folder_requests_;
  folder_start_ = std::string(start_folder);
  Answer([this, answer = std::move(answer)] { answer(TakeFirst(folder_answers_)); });
}

void FakeView::ChooseFile(std::string_view filter, PathAnswer answer) {
  file_filters_.emplace_back(filter);
  Answer([this, answer = std::move(answer)] { answer(TakeFirst(file_answers_)); });
}

}  // namespace quelmo
