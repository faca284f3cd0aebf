#pragma once
// The drop-down list of the dialog windows: a QComboBox that a screen reader
// knows by the label beside it. Qt's own accessible combo box takes its
// current entry as its name, so a reader would say "English" for the
// language list; this one answers with its accessible name (the label's
// text, set by DialogWindow) and gives the entry as its value.

#include <QComboBox>

namespace quelmo {

class DialogList final : public QComboBox {
  Q_OBJECT

 public:
  explicit DialogList(QWidget* parent);
};

}  // namespace quelmo
