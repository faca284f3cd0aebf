#pragma once
// A window built from a dialog template: every control at its place in
// pixels, with its kind and styles. It knows nothing of what the controls
// mean; it reports the user's actions by control id:
//   a push button clicked, or Enter             -> clicked(id)
//     (Enter clicks the focused push button, else it is a click on kIdOk)
//   Esc or the close box                       -> clicked(kIdCancel)
//   a list entry picked by the user             -> selectionChanged(id)
//   a list-box entry double-clicked             -> clicked(kIdOk)
//   an edit's text changed by the user          -> textEdited(id)
//   the user leaves an edit (Tab, a click)      -> focusLeft(id), queued, so
//     that what it shows comes after the click that moved the focus
//   the system-menu entry (see SetSystemMenuEntry) -> systemCommand(id)
// Texts and selections set by the program raise none of these.

#include <QPointer>
#include <QString>
#include <QWindow>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "dialogs/accessible_names.h"
#include "dialogs/dialog_template.h"
#include "qt/dialog_units.h"
#include "qt/text_fit.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace quelmo {

class EditInputValidator;

class DialogWindow final : public QWidget {
  Q_OBJECT

 public:
  // `over`: the window this one is shown over (the About window over the
  // launcher); nullptr for a window of its own.
  explicit DialogWindow(DialogTemplate dialog, QWidget* over = nullptr);
  ~DialogWindow() override;

  // The template as the window was built from it: its controls in reading
  // order, each label right before the field it names (InCreationOrder), the
  // order the accessibility tree lists them in.
  const DialogTemplate& Template() const { return template_; }

  // The widget of a control (id above 0); nullptr when there is none.
  QWidget* Control(ControlId id) const;
  // The edit part of an edit or a drop-down combo; nullptr for other kinds.
  QLineEdit* EditOf(ControlId id) const;
  QComboBox* ListOf(ControlId id) const;
  QListWidget* ListBoxOf(ControlId id) const;
  EditInputValidator* ValidatorOf(ControlId id) const;
  // The control `widget` belongs to (the combo for its edit part); nullopt
  // for the window itself and for controls without an id.
  std::optional<ControlId> ControlIdOf(const QWidget* widget) const;

  // Fits every control's texts to its place now (text_fit.h).
  void FitTexts();
  // A text or a list's entries of `control` changed: the texts are fitted
  // again before the window next paints, at the latest when it is exposed,
  // and the controls it names take its new text as their accessible name.
  void TextsChanged(const QWidget* control);

  // The interactive controls in the order Tab reaches them, each with the
  // widget whose text names it (accessible_names.h); the label is nullptr
  // for a control nothing names.
  struct Named {
    QWidget* control = nullptr;
    QWidget* label = nullptr;
  };
  const std::vector<Named>& NamedControls() const { return named_; }
  // The text a label, group box or push button shows.
  static QString ShownText(const QWidget* widget);

  // Makes an edit read-only or editable; a read-only edit shows the window's
  // background, as the system's own dialogs do.
  static void SetEditReadOnly(QLineEdit* edit, bool read_only);

  // Offers the text `entry` gives as an extra command of the window (its
  // context menu, in place of the system menu Qt cannot extend); asked each
  // time the menu opens, as the language may change while the window is
  // open. Empty text: none.
  void SetSystemMenuEntry(std::function<QString()> entry);
  QString SystemMenuEntry() const { return system_menu_entry_ ? system_menu_entry_() : QString(); }
  // What choosing the system-menu entry does.
  void ChooseSystemMenuEntry();

 signals:
  void clicked(int id);
  void selectionChanged(int id);
  void textEdited(int id);
  void focusLeft(int id);
  void systemCommand(int id);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Built {
    QWidget* widget = nullptr;
    EditInputValidator* validator = nullptr;
  };

  QWidget* Build(const ControlTemplate& control);
  // Names the controls `label` names (nullptr: every control) after its text.
  void NameControls(const QWidget* label);
  QWidget* MakeLabel(const ControlTemplate& control);
  QWidget* MakeButton(const ControlTemplate& control);
  QWidget* MakeEdit(const ControlTemplate& control, EditInputValidator*& validator);
  QWidget* MakeList(const ControlTemplate& control, EditInputValidator*& validator);
  QWidget* MakeListBox(const ControlTemplate& control);

  DialogTemplate template_;
  DialogUnits units_;
  std::map<ControlId, Built> controls_;
  std::vector<Named> named_;  // in Tab order
  TextFitter fitter_;  // every control, in template order
  bool fit_pending_ = false;
  QPointer<QWindow> watched_window_;  // the native window whose exposes fit the texts
  std::function<QString()> system_menu_entry_;
};

}  // namespace quelmo
