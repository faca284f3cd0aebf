#include "smtp/gprs_fields.h"

#include "app/app_state.h"
#include "remote_control/remote_control_texts.h"
#include "smtp/smtp_texts.h"

namespace quelmo {

std::vector<std::string> GprsEnglishModes() { return ApnModeEntries(kEnglish); }
std::vector<std::string> GprsEnglishSmsControl() { return SmsControlEntries(kEnglish); }

const std::string& FilledValue(const GprsOperatorValues& values, OperatorValue value) {
  switch (value) {
    case OperatorValue::kAccount:
      return values.account;
    case OperatorValue::kPassword:
      return values.password;
    default:
      return values.apn;
  }
}

}  // namespace quelmo
