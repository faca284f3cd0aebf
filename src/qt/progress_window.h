#pragma once
// The progress window of a form: a text that the logic replaces as work goes
// on, and a Cancel button. Not modal: the form beneath stays usable. Cancel,
// Esc or the close box hide it and say cancelled(); Finish() hides it
// without a word.

#include <QDialog>

class QLabel;

namespace quelmo {

class ProgressWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* over);

  void SetText(const QString& text);
  QString Text() const;
  void Finish() { hide(); }

  void reject() override;

 signals:
  void cancelled();

 private:
  QLabel* text_;
};

}  // namespace quelmo
