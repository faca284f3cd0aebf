#include "qt/dialog_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <utility>

#include "qt/dialog_group_box.h"
#include "qt/dialog_list.h"
#include "qt/edit_input_validator.h"

namespace quelmo {
namespace {

QFont DialogFont(const DialogTemplate& dialog) {
  QFont font = QApplication::font();
  // A face the system does not have falls back to its ordinary sans serif.
  if (!dialog.fontFamily.empty()) font.setFamily(QString::fromStdString(dialog.fontFamily));
  font.setPointSize(dialog.pointSize);
  return font;
}

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

DialogWindow::DialogWindow(DialogTemplate dialog, QWidget* over)
    : QWidget(over, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      template_(InCreationOrder(dialog)),
      units_(DialogUnits::ForFont(DialogFont(template_))) {
  setFont(DialogFont(template_));
  setWindowTitle(FromUtf8(template_.title));
  if (template_.topmost) setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(units_.X(template_.width), units_.Y(template_.height));
  setObjectName(QStringLiteral("dialog%1").arg(template_.id));

  std::vector<QWidget*> built;
  for (const ControlTemplate& control : template_.controls) built.push_back(Build(control));
  // Tab goes in reading order, whatever order the template lists the
  // controls in; each field is named by its label for screen readers.
  for (const AccessibleControl& named : AccessibleControls(template_)) {
    named_.push_back(Named{built[named.control], named.label ? built[*named.label] : nullptr});
  }
  for (std::size_t i = 1; i < named_.size(); ++i) setTabOrder(named_[i - 1].control, named_[i].control);
  NameControls(nullptr);
  // Group boxes frame the controls inside them, so they lie beneath them.
  for (QGroupBox* box : findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
    box->lower();
  }
  // The logic sets its texts as it opens, right after this: fitting the
  // template's texts now would be measured for nothing.
  fit_pending_ = true;
  QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

DialogWindow::~DialogWindow() = default;

QWidget* DialogWindow::Build(const ControlTemplate& control) {
  EditInputValidator* validator = nullptr;
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::kLabel:
    case ControlKind::kIcon:
      widget = MakeLabel(control);
      break;
    case ControlKind::kGroupBox:
      widget = new DialogGroupBox(FromUtf8(control.text), this);
      break;
    case ControlKind::kPushButton:
      widget = MakeButton(control);
      break;
    case ControlKind::kEdit:
      widget = MakeEdit(control, validator);
      break;
    case ControlKind::kDropdownList:
    case ControlKind::kDropdownCombo:
      widget = MakeList(control, validator);
      break;
    case ControlKind::kListBox:
      widget = MakeListBox(control);
      break;
  }

  QRect place = units_.Rect(control.x, control.y, control.width, control.height);
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    // The template gives the dropped-down height; closed, a list has its
    // natural height, and it drops down as far as the template says.
    list->ensurePolished();
    const int closed_height = list->sizeHint().height();
    const int item_height = std::max(1, list->fontMetrics().height());
    list->setMaxVisibleItems(std::max(1, (place.height() - closed_height) / item_height));
    place.setHeight(closed_height);
  }
  widget->setGeometry(place);
  // The control takes the window's font by inheritance: setting it again
  // would cost a list the making of its drop-down part long before it drops.
  fitter_.Add(widget, place, control.kind == ControlKind::kGroupBox);
  if (control.id > 0) {
    widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    controls_[control.id] = Built{widget, validator};
  }
  return widget;
}

QWidget* DialogWindow::MakeLabel(const ControlTemplate& control) {
  auto* label = new QLabel(this);
  if (control.kind == ControlKind::kIcon) {
    const QRect place = units_.Rect(control.x, control.y, control.width, control.height);
    label->setPixmap(QApplication::windowIcon().pixmap(place.size()));
    label->setAlignment(Qt::AlignCenter);
    return label;
  }
  label->setTextFormat(Qt::PlainText);
  label->setText(FromUtf8(control.text));
  label->setAlignment((control.style.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  return label;
}

QWidget* DialogWindow::MakeButton(const ControlTemplate& control) {
  auto* button = new QPushButton(FromUtf8(control.text), this);
  button->setAutoDefault(false);
  button->setDefault(control.style.isDefault);
  const ControlId id = control.id;
  connect(button, &QPushButton::clicked, this, [this, id] { emit clicked(id); });
  return button;
}

QWidget* DialogWindow::MakeEdit(const ControlTemplate& control, EditInputValidator*& validator) {
  auto* edit = new QLineEdit(FromUtf8(control.text), this);
  validator = new EditInputValidator(edit);
  validator->SetDigitsOnly(control.style.digits);
  edit->setValidator(validator);
  if (control.style.centred) edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  if (control.style.password) edit->setEchoMode(QLineEdit::Password);
  SetEditReadOnly(edit, control.style.readOnly);
  const ControlId id = control.id;
  connect(edit, &QLineEdit::textEdited, this, [this, id] { emit textEdited(id); });
  edit->installEventFilter(this);
  return edit;
}

QWidget* DialogWindow::MakeList(const ControlTemplate& control, EditInputValidator*& validator) {
  auto* list = new DialogList(this);
  const ControlId id = control.id;
  if (control.kind == ControlKind::kDropdownCombo) {
    list->setEditable(true);
    // Typing never adds an entry; the text either names one or none.
    list->setInsertPolicy(QComboBox::NoInsert);
    validator = new EditInputValidator(list);
    validator->SetDigitsOnly(control.style.digits);
    list->lineEdit()->setValidator(validator);
    connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, id] { emit textEdited(id); });
    list->lineEdit()->installEventFilter(this);
  }
  connect(list, &QComboBox::activated, this, [this, id] { emit selectionChanged(id); });
  return list;
}

QWidget* DialogWindow::MakeListBox(const ControlTemplate& control) {
  auto* list = new QListWidget(this);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  const ControlId id = control.id;
  // The program's own changes are made with the signals blocked: whatever
  // arrives here is the user's. The selection, not the current row: a mouse
  // click moves the current row before it selects the entry.
  connect(list, &QListWidget::itemSelectionChanged, this, [this, id] { emit selectionChanged(id); });
  // A double click takes the entry as Enter does; Enter itself reaches the
  // window, since the list passes it on.
  connect(list, &QListWidget::itemDoubleClicked, this, [this] { emit clicked(kIdOk); });
  return list;
}

QWidget* DialogWindow::Control(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.widget;
}

QLineEdit* DialogWindow::EditOf(ControlId id) const {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit;
  if (auto* list = qobject_cast<QComboBox*>(widget)) return list->lineEdit();
  return nullptr;
}

QComboBox* DialogWindow::ListOf(ControlId id) const { return qobject_cast<QComboBox*>(Control(id)); }

QListWidget* DialogWindow::ListBoxOf(ControlId id) const {
  return qobject_cast<QListWidget*>(Control(id));
}

EditInputValidator* DialogWindow::ValidatorOf(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second.validator;
}

std::optional<ControlId> DialogWindow::ControlIdOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
    for (const auto& [id, built] : controls_) {
      if (built.widget == w) return id;
    }
  }
  return std::nullopt;
}

void DialogWindow::FitTexts() {
  fit_pending_ = false;
  // A unit between neighbours, two inside a frame, as the templates keep
  // their controls at the least.
  fitter_.Fit(font(), rect(), units_.X(1));
}

QString DialogWindow::ShownText(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
  return QString();
}

void DialogWindow::NameControls(const QWidget* label) {
  for (const Named& named : named_) {
    if (named.label == nullptr || (label != nullptr && named.label != label)) continue;
    named.control->setAccessibleName(ShownText(named.label));
  }
}

void DialogWindow::TextsChanged(const QWidget* control) {
  NameControls(control);
  fitter_.TextsChanged(control);
  if (fit_pending_) return;
  fit_pending_ = true;
  // Posted layout requests are merged: one fit for a whole run of changes.
  QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

bool DialogWindow::event(QEvent* event) {
  if (event->type() == QEvent::LayoutRequest && fit_pending_) FitTexts();
  return QWidget::event(event);
}

void DialogWindow::showEvent(QShowEvent* event) {
  // The style marks the focused list or button only once the keyboard has
  // moved the focus; a keyboard user needs to see where it is before that.
  setAttribute(Qt::WA_KeyboardFocusChange);
  // The texts are fitted when the window is first exposed, before it paints:
  // the window system maps it meanwhile, rather than after the measuring.
  if (QWindow* native = windowHandle(); native != nullptr && native != watched_window_) {
    native->installEventFilter(this);
    watched_window_ = native;
  }
  QWidget::showEvent(event);
}

void DialogWindow::SetEditReadOnly(QLineEdit* edit, bool read_only) {
  edit->setReadOnly(read_only);
  // The style gives read-only edits their look when it polishes them
  // (dialog_style.h): an edit switched at run time is polished again, or it
  // would keep its old look. One not yet polished gets its look when it is
  // first shown.
  const bool polished = edit->testAttribute(Qt::WA_WState_Polished);
  if (polished) edit->style()->unpolish(edit);
  QPalette palette = edit->palette();
  const QWidget* window = edit->window();
  palette.setBrush(QPalette::Base, read_only ? window->palette().brush(QPalette::Window)
                                             : QApplication::palette(edit).brush(QPalette::Base));
  edit->setPalette(palette);
  if (polished) edit->style()->polish(edit);
}

void DialogWindow::SetSystemMenuEntry(std::function<QString()> entry) {
  system_menu_entry_ = std::move(entry);
}

void DialogWindow::ChooseSystemMenuEntry() {
  if (!SystemMenuEntry().isEmpty()) emit systemCommand(template_.systemMenuCommand);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      emit clicked(kIdCancel);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // A focused push button takes Enter as a click; anything else is OK.
      auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
      if (button != nullptr && button->window() == this && button->isEnabled()) {
        button->click();
      } else {
        emit clicked(kIdOk);
      }
      return;
    }
    default:
      QWidget::keyPressEvent(event);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  // The logic decides whether and how the window ends.
  event->ignore();
  emit clicked(kIdCancel);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched != nullptr && watched == watched_window_.data()) {
    if (fit_pending_) FitTexts();
    return false;
  }
  if (event->type() != QEvent::FocusOut) return QWidget::eventFilter(watched, event);
  // Only the user's own moves count: not a message box taking the focus, a
  // window switch, or the logic focusing a field.
  switch (static_cast<QFocusEvent*>(event)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
      break;
    default:
      return false;
  }
  const std::optional<ControlId> id = ControlIdOf(qobject_cast<QWidget*>(watched));
  if (id) {
    const int left = *id;
    QMetaObject::invokeMethod(this, [this, left] { emit focusLeft(left); }, Qt::QueuedConnection);
  }
  return false;
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  const QString text = SystemMenuEntry();
  if (text.isEmpty()) {
    QWidget::contextMenuEvent(event);
    return;
  }
  QMenu menu(this);
  QAction* entry = menu.addAction(text);
  if (menu.exec(event->globalPos()) == entry) ChooseSystemMenuEntry();
}

}  // namespace quelmo
