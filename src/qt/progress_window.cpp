#include "qt/progress_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/app_state.h"

namespace quelmo {

ProgressWindow::ProgressWindow(QWidget* over) : QDialog(over), text_(new QLabel(this)) {
  setWindowTitle(QString::fromUtf8(kAppTitle));
  setModal(false);
  text_->setWordWrap(true);
  text_->setMinimumWidth(420);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &ProgressWindow::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
}

void ProgressWindow::SetText(const QString& text) { text_->setText(text); }

QString ProgressWindow::Text() const { return text_->text(); }

void ProgressWindow::reject() {
  hide();
  emit cancelled();
}

}  // namespace quelmo
