#include "qt/qt_form_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

#include "qt/dialog_adapter.h"
#include "qt/dialog_window.h"
#include "qt/edit_input_validator.h"
#include "qt/progress_window.h"

namespace quelmo {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtFormView::QtFormView(DialogWindow& window, DialogAdapter& dialogs)
    : window_(window), dialogs_(dialogs) {}

void QtFormView::SetTitle(std::string_view text) { window_.setWindowTitle(FromUtf8(text)); }

void QtFormView::SetText(ControlId id, std::string_view text) {
  QWidget* widget = window_.Control(id);
  const QString value = FromUtf8(text);
  const QSignalBlocker blocker(widget);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
    window_.TextsChanged(widget);
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(value);
    window_.TextsChanged(widget);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(value);
    window_.TextsChanged(widget);
  } else if (QLineEdit* edit = window_.EditOf(id)) {
    // Edits scroll their text; they are not fitted. setText would put the
    // caret at the end even for the text already there, under the user's
    // fingers: the same text is left alone.
    if (edit->text() == value) return;
    const QSignalBlocker edit_blocker(edit);
    edit->setText(value);
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    // A list without an edit part shows the entry of that name, if any.
    list->setCurrentIndex(list->findText(value, Qt::MatchExactly));
  }
}

std::string QtFormView::Text(ControlId id) const {
  QWidget* widget = window_.Control(id);
  QString value;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    value = label->text();
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    value = box->title();
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    value = button->text();
  } else if (QLineEdit* edit = window_.EditOf(id)) {
    value = edit->text();
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    value = list->currentText();
  } else if (auto* box = qobject_cast<QListWidget*>(widget)) {
    if (const QListWidgetItem* item = box->currentItem()) value = item->text();
  }
  return value.toStdString();
}

void QtFormView::SetItems(ControlId id, const std::vector<std::string>& items) {
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) entries << QString::fromStdString(item);
  if (QListWidget* box = window_.ListBoxOf(id)) {
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(entries);
    box->setCurrentRow(-1);
    return;
  }
  QComboBox* list = window_.ListOf(id);
  if (list == nullptr) return;
  const QSignalBlocker blocker(list);
  list->clear();
  list->addItems(entries);
  list->setCurrentIndex(-1);
  if (list->isEditable()) list->clearEditText();
  window_.TextsChanged(list);
}

void QtFormView::SetSelection(ControlId id, int index) {
  if (QListWidget* box = window_.ListBoxOf(id)) {
    const QSignalBlocker blocker(box);
    box->setCurrentRow(index >= 0 && index < box->count() ? index : -1);
    if (box->currentItem() != nullptr) box->scrollToItem(box->currentItem());
    return;
  }
  QComboBox* list = window_.ListOf(id);
  if (list == nullptr) return;
  const QSignalBlocker blocker(list);
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  if (list->isEditable() && list->currentIndex() < 0) list->clearEditText();
}

int QtFormView::Selection(ControlId id) const {
  if (const QListWidget* box = window_.ListBoxOf(id)) {
    // The selected entry, whatever row has the focus; unselected (Ctrl+click)
    // counts as none.
    const QList<QListWidgetItem*> selected = box->selectedItems();
    return selected.isEmpty() ? -1 : box->row(selected.front());
  }
  const QComboBox* list = window_.ListOf(id);
  if (list == nullptr) return -1;
  if (list->isEditable()) {
    // The edit part decides: a typed text that names no entry selects none.
    return static_cast<int>(list->findText(list->currentText(), Qt::MatchExactly));
  }
  return list->currentIndex();
}

void QtFormView::SetReadOnly(ControlId id, bool read_only) {
  if (QLineEdit* edit = window_.EditOf(id)) DialogWindow::SetEditReadOnly(edit, read_only);
}

void QtFormView::SetEnabled(ControlId id, bool enabled) {
  if (QWidget* widget = window_.Control(id)) widget->setEnabled(enabled);
}

void QtFormView::SetByteLimit(ControlId id, int bytes) {
  if (EditInputValidator* validator = window_.ValidatorOf(id)) validator->SetByteLimit(bytes);
}

void QtFormView::SetCharacterLimit(ControlId id, int characters) {
  if (EditInputValidator* validator = window_.ValidatorOf(id)) {
    validator->SetByteLimit(-1);
    validator->SetCharacterLimit(characters);
  }
}

void QtFormView::FocusAndSelectAll(ControlId id) {
  QWidget* widget = window_.Control(id);
  if (widget == nullptr) return;
  widget->setFocus(Qt::OtherFocusReason);
  if (QLineEdit* edit = window_.EditOf(id)) edit->selectAll();
}

void QtFormView::ShowMessage(std::string_view text, MessageIcon icon) {
  dialogs_.ShowMessage(&window_, FromUtf8(text), icon);
}

void QtFormView::AskYesNo(std::string_view text, YesNoAnswer answer) {
  answer(dialogs_.AskYesNo(&window_, FromUtf8(text)));
}

void QtFormView::ShowProgress(std::string_view text) {
  if (progress_ == nullptr) {
    progress_ = new ProgressWindow(&window_);
    QObject::connect(progress_, &ProgressWindow::cancelled, &window_,
                     [window = &window_] { emit window->clicked(kIdProgressCancel); });
  }
  progress_->SetText(FromUtf8(text));
  if (!progress_->isVisible()) progress_->show();
}

void QtFormView::CloseProgress() {
  if (progress_ != nullptr) progress_->Finish();
}

void QtFormView::ChooseFolder(std::string_view start_folder, PathAnswer answer) {
  const std::optional<QString> folder = dialogs_.ChooseFolder(&window_, FromUtf8(start_folder));
  answer(folder ? std::optional<std::string>(folder->toStdString()) : std::nullopt);
}

void QtFormView::ChooseFile(std::string_view filter, PathAnswer answer) {
  const std::optional<QString> file = dialogs_.ChooseFile(&window_, QtFileFilter(filter));
  answer(file ? std::optional<std::string>(file->toStdString()) : std::nullopt);
}

}  // namespace quelmo
