#pragma once
// The camera form (dialog 129): the user sets the camera's settings, picks a
// folder and writes camera.dat, or the default file, into it.
//
// The form holds the eleven time fields, the sampled clock and the folder as
// members and moves them to and from its controls in one exchange each way;
// taking them checks every field in a fixed order and stops at the first
// failure, with a message. The lists are read where they stand. The time
// fields of a switched-off feature are read-only, not cleared: what they hold
// is written all the same.

#include <string>

#include "camera/camera_controls.h"
#include "camera/camera_settings.h"
#include "controls/folder_field.h"
#include "controls/form_view.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

class CameraForm final : public FormLogic {
 public:
  // Samples the clock and starts with the context's default folder.
  CameraForm(FormView& view, AppContext& context);

  void Open() override;
  Next Clicked(ControlId id) override;
  Next SelectionChanged(ControlId id) override;
  Next TextEdited(ControlId id) override;
  Next FocusLeft(ControlId id) override;

  // What Save writes: every list as it stands, the time fields as last taken
  // and the clock of the last sampling (its year held to 2010..2031).
  CameraSettings CollectCameraSettings();

 private:
  // Control -> members. False at the first field that fails its range; the
  // fields after it keep their previous values. A time field without a number
  // (emptied while typing) is passed over in silence and keeps its value: it
  // is reported when the user leaves it or saves.
  bool TakeFromControls();
  // Shows the not-a-number message for the first time field without a number
  // and gives it the focus; false then.
  bool EveryTimeFieldHoldsANumber();
  // Members -> controls.
  void PutToControls();

  void GuardTimeField(ControlId edit);
  void SwitchWorkingWindow(ControlId list);
  void SwitchTimeLapse();
  void SwitchSerialStamp();
  void SyncTime();
  void SaveCameraFile();
  void WriteDefaultCameraFile();
  // The confirmation naming the file written, or what failed and why.
  void ReportWrite(const Status& written, std::string_view confirmation,
                   const std::string& folder);

  void SelectInitialEntries();
  // Every switch off: time fields read-only, serial character lists disabled.
  void LockSwitchedControls();
  void SampleClock();

  FormView& view_;
  AppContext& context_;
  int language_;
  // The time fields as last taken and the sampled clock; the list fields are
  // read from the controls when the file is written.
  CameraSettings held_;
  std::string clock_text_;
  // Save and Default write where the folder field says.
  FolderField folder_;
};

}  // namespace quelmo
