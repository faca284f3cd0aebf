#pragma once
// A group box drawn as dialog group boxes are: an etched frame whose top
// line runs through the middle of the title. The templates place controls
// right below the title, which only fits a frame that starts there.

#include <QGroupBox>

namespace quelmo {

class DialogGroupBox final : public QGroupBox {
  Q_OBJECT

 public:
  DialogGroupBox(const QString& title, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quelmo
