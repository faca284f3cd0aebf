#pragma once
// The form logic's view of a DialogWindow. Every change made through it is
// programmatic and raises no event back to the logic.

#include "controls/form_view.h"

namespace quelmo {

class DialogAdapter;
class DialogWindow;
class ProgressWindow;

class QtFormView final : public FormView {
 public:
  QtFormView(DialogWindow& window, DialogAdapter& dialogs);

  void SetTitle(std::string_view text) override;
  void SetText(ControlId id, std::string_view text) override;
  std::string Text(ControlId id) const override;
  void SetItems(ControlId id, const std::vector<std::string>& items) override;
  void SetSelection(ControlId id, int index) override;
  int Selection(ControlId id) const override;
  void SetReadOnly(ControlId id, bool read_only) override;
  void SetEnabled(ControlId id, bool enabled) override;
  void SetByteLimit(ControlId id, int bytes) override;
  void SetCharacterLimit(ControlId id, int characters) override;
  void FocusAndSelectAll(ControlId id) override;
  void ShowMessage(std::string_view text, MessageIcon icon) override;
  // The dialogs are modal: each answers before the call returns.
  void AskYesNo(std::string_view text, YesNoAnswer answer) override;
  void ShowProgress(std::string_view text) override;
  void CloseProgress() override;
  void ChooseFolder(std::string_view start_folder, PathAnswer answer) override;
  void ChooseFile(std::string_view filter, PathAnswer answer) override;

 private:
  DialogWindow& window_;
  DialogAdapter& dialogs_;
  ProgressWindow* progress_ = nullptr;  // a child of the window, made when first shown
};

}  // namespace quelmo
