#include "mms/mms_fields.h"

#include "mms/mms_texts.h"
#include "remote_control/remote_control_texts.h"
#include "session/app_state.h"

namespace quelmo {

std::vector<std::string> MmsEnglishModes() { return MmsModeEntries(kEnglish); }
std::vector<std::string> MmsEnglishSmsControl() { return SmsControlEntries(kEnglish); }

}  // namespace quelmo
