#include "smtp/gprs_fields.h"

#include "remote_control/remote_control_texts.h"
#include "session/app_state.h"
#include "smtp/smtp_texts.h"

namespace quelmo {

std::vector<std::string> GprsEnglishModes() { return ApnModeEntries(kEnglish); }
std::vector<std::string> GprsEnglishSmsControl() { return SmsControlEntries(kEnglish); }

}  // namespace quelmo
