#include "screens/screens.h"

#include "app/about.h"
#include "app/launcher.h"
#include "camera/camera_controls.h"
#include "camera/camera_form.h"
#include "finder/operator_finder_controls.h"
#include "mms/mms_controls.h"
#include "mms/mms_form.h"
#include "sms/sms_controls.h"
#include "sms/sms_form.h"
#include "smtp/smtp_controls.h"
#include "smtp/smtp_form.h"

namespace quelmo {

int DialogResourceOf(Next window) {
  switch (window) {
    case Next::kLauncher:
      return kLauncherDialogResource;
    case Next::kAbout:
      return kAboutDialogResource;
    case Next::kCameraForm:
      return kCameraDialogResource;
    case Next::kMmsForm:
      return kMmsDialogResource;
    case Next::kSmtpForm:
      return kSmtpDialogResource;
    case Next::kSmsForm:
      return kSmsDialogResource;
    case Next::kOperatorFinder:
      return kOperatorFinderDialogResource;
    case Next::kStay:
    case Next::kClose:
    case Next::kQuit:
      return 0;
  }
  return 0;
}

std::unique_ptr<FormLogic> MakeScreen(Next window, FormView& view, AppContext& context) {
  switch (window) {
    case Next::kLauncher:
      return std::make_unique<LauncherLogic>(view, context);
    case Next::kAbout:
      return std::make_unique<AboutLogic>(view, context.state.languageIndex);
    case Next::kCameraForm:
      return std::make_unique<CameraForm>(view, context);
    case Next::kSmtpForm:
      return std::make_unique<SmtpForm>(view, context);
    case Next::kSmsForm:
      return std::make_unique<SmsForm>(view, context);
    case Next::kMmsForm:
      return std::make_unique<MmsForm>(view, context);
    case Next::kOperatorFinder:
    case Next::kStay:
    case Next::kClose:
    case Next::kQuit:
      return nullptr;
  }
  return nullptr;
}

std::unique_ptr<FormLogic> MakeScreenOver(Next window, FormView& view, AppContext& context,
                                          FormLogic& beneath) {
  if (std::unique_ptr<FormLogic> made = beneath.MakeWindowOver(window, view)) return made;
  return MakeScreen(window, view, context);
}

}  // namespace quelmo
