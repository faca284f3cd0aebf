#include "screens/screens.h"

#include "app/about.h"
#include "app/launcher.h"
#include "camera/camera_form.h"
#include "mms/mms_form.h"
#include "sms/sms_form.h"
#include "smtp/smtp_form.h"

namespace quelmo {

int DialogResourceOf(Next window) {
  switch (window) {
    case Next::kLauncher:
      return 102;
    case Next::kAbout:
      return 100;
    case Next::kCameraForm:
      return 129;
    case Next::kMmsForm:
      return 130;
    case Next::kSmtpForm:
      return 147;
    case Next::kSmsForm:
      return 155;
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
      return std::make_unique<AboutLogic>(view);
    case Next::kCameraForm:
      return std::make_unique<CameraForm>(view, context);
    case Next::kSmtpForm:
      return std::make_unique<SmtpForm>(view, context);
    case Next::kSmsForm:
      return std::make_unique<SmsForm>(view, context);
    case Next::kMmsForm:
      return std::make_unique<MmsForm>(view, context);
    case Next::kStay:
    case Next::kClose:
    case Next::kQuit:
      return nullptr;
  }
  return nullptr;
}

}  // namespace quelmo
