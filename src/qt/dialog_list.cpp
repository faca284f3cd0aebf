#include "qt/dialog_list.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace quelmo {
namespace {

// QAccessibleWidget is its own action interface: opening the list is one.
class AccessibleList final : public QAccessibleWidget {
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
