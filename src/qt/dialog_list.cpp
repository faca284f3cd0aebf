#include "qt/dialog_list.h"

#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QLineEdit>

namespace quelmo {
namespace {

// QAccessibleWidget is its own action interface: opening the list is one.
// The entry shown is also offered as read-only text, which is where the
// platform's bridge (AT-SPI) and screen readers look for a list's value.
class AccessibleList final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit AccessibleList(DialogList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    const auto* list = static_cast<const QComboBox*>(widget());
    switch (t) {
      case QAccessible::Name:
        return list->accessibleName().isEmpty() ? Value(list) : list->accessibleName();
      case QAccessible::Value:
        return Value(list);
      default:
        return QAccessibleWidget::text(t);
    }
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTextInterface: the entry shown, read-only, no selection.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    const QString value = Value(static_cast<const QComboBox*>(widget()));
    return value.mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override {
    return static_cast<int>(Value(static_cast<const QComboBox*>(widget())).size());
  }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = *end = 0;
    return QString();
  }

  // Its entries, as Qt's own list gives them: the drop-down part, made when
  // first asked for (only a screen reader asks before it drops down), then
  // the edit part of a list that has one.
  int childCount() const override { return EditPart() != nullptr ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    auto* list = static_cast<QComboBox*>(widget());
    if (index == 0) return QAccessible::queryAccessibleInterface(list->view());
    if (index == 1 && EditPart() != nullptr) return QAccessible::queryAccessibleInterface(EditPart());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    auto* list = static_cast<QComboBox*>(widget());
    if (child->object() == list->view()) return 0;
    if (EditPart() != nullptr && child->object() == EditPart()) return 1;
    return -1;
  }

  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  QString localizedActionDescription(const QString& action) const override {
    if (action == showMenuAction() || action == pressAction()) return QComboBox::tr("Open the list");
    return QAccessibleWidget::localizedActionDescription(action);
  }
  void doAction(const QString& action) override {
    if (action == showMenuAction() || action == pressAction()) {
      static_cast<QComboBox*>(widget())->showPopup();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  QLineEdit* EditPart() const { return static_cast<QComboBox*>(widget())->lineEdit(); }

  static QString Value(const QComboBox* list) {
    return list->isEditable() && list->lineEdit() != nullptr ? list->lineEdit()->text() : list->currentText();
  }
};

QAccessibleInterface* ListFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(DialogList::staticMetaObject.className())) {
    return new AccessibleList(static_cast<DialogList*>(object));
  }
  return nullptr;
}

}  // namespace

DialogList::DialogList(QWidget* parent) : QComboBox(parent) {
  // Asked before Qt's own factory, which knows only Qt's class names.
  static const bool installed = [] {
    QAccessible::installFactory(ListFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace quelmo
