#pragma once
// A whole program's road through its real windows, offscreen: a session with
// preferences in a fresh folder, the launcher and forms taking turns, the
// user's mouse and keyboard through QTest, the message boxes recorded.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <memory>
#include <string>

#include "app/file_preference_backend.h"
#include "app/program_session.h"
#include "platform/file_system.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "qt/qt_form_view.h"
#include "qt/window_loop.h"
#include "qt_test_environment.h"
#include "recording_dialogs.h"
#include "support/temp_folder.h"

namespace quelmo {

class RoadFixture : public ::testing::Test {
 protected:
  RoadFixture()
      : session_(std::make_unique<FilePreferenceBackend>(preferences_.path(), SystemFileSystem()),
                 0x0409),
        loop_(session_.Context(), dialogs_) {}
  ~RoadFixture() override { ProcessQtEvents(); }

  DialogWindow& Window() { return loop_.Current()->Window(); }
  std::string Text(ControlId id) { return QtFormView(Window(), dialogs_).Text(id); }

  void Click(ControlId id) {
    QTest::mouseClick(Window().Control(id), Qt::LeftButton);
    ProcessQtEvents();
  }
  // A list entry picked with the keyboard, `steps_down` entries below the one shown.
  void Pick(ControlId list, int steps_down) {
    QComboBox* box = Window().ListOf(list);
    box->setFocus();
    for (int i = 0; i < steps_down; ++i) QTest::keyClick(box, Qt::Key_Down);
    ProcessQtEvents();
  }
  // The edit's text selected and typed over.
  void Type(ControlId id, const QString& text) {
    QLineEdit* edit = Window().EditOf(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    ProcessQtEvents();
  }

  TempFolder preferences_;
  TempFolder card_;
  RecordingDialogs dialogs_;
  ProgramSession session_;
  WindowLoop loop_;
};

}  // namespace quelmo
