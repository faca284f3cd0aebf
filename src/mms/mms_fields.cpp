#include "mms/mms_fields.h"

#include "app/app_state.h"
#include "mms/mms_texts.h"
#include "remote_control/remote_control_texts.h"

namespace quelmo {

std::vector<std::string> MmsEnglishModes() { return MmsModeEntries(kEnglish); }
std::vector<std::string> MmsEnglishSmsControl() { return SmsControlEntries(kEnglish); }

const std::string& FilledValue(const MmsOperatorValues& values, OperatorValue value) {
  switch (value) {
    case OperatorValue::kUrl:
      return values.url;
    case OperatorValue::kGateway:
      return values.gateway;
    case OperatorValue::kPort:
      return values.port;
    case OperatorValue::kAccount:
      return values.account;
    case OperatorValue::kPassword:
      return values.password;
    default:
      return values.apn;
  }
}

}  // namespace quelmo
