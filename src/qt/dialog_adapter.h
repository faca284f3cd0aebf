#pragma once
// The modal dialogs a window opens for its logic: message boxes, the folder
// browser and the file-open dialog. The view calls them through this
// interface so that tests can answer them instead of a user (a real modal
// dialog would block the test).

#include <QString>

#include <optional>
#include <string_view>

#include "controls/form_view.h"

class QWidget;

namespace quelmo {

class DialogAdapter {
 public:
  virtual ~DialogAdapter() = default;

  // A modal message box with caption AppTitle and one OK button: the
  // program's icon for kApp, the exclamation icon for kWarning.
  virtual void ShowMessage(QWidget* over, const QString& text, MessageIcon icon) = 0;
  // A modal question with caption AppTitle and Yes and No buttons; true for Yes.
  virtual bool AskYesNo(QWidget* over, const QString& text) = 0;
  // The folder browser, opened at `start`; nullopt when cancelled.
  virtual std::optional<QString> ChooseFolder(QWidget* over, const QString& start) = 0;
  // The file-open dialog with a filter in Qt's syntax; nullopt when cancelled.
  virtual std::optional<QString> ChooseFile(QWidget* over, const QString& qt_filter) = 0;
};

// The real dialogs of the window system.
class QtDialogAdapter final : public DialogAdapter {
 public:
  void ShowMessage(QWidget* over, const QString& text, MessageIcon icon) override;
  bool AskYesNo(QWidget* over, const QString& text) override;
  std::optional<QString> ChooseFolder(QWidget* over, const QString& start) override;
  std::optional<QString> ChooseFile(QWidget* over, const QString& qt_filter) override;
};

// A filter of the form "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||"
// in Qt's syntax: "Quelmo Files (*.dat);;All Files (*)". "*.*" means every
// file, with or without an extension.
QString QtFileFilter(std::string_view windows_filter);

}  // namespace quelmo
