#include "smtp/gprs_operator_fill.h"

#include "smtp/gprs_settings.h"
#include "text/terminal_text.h"

namespace quelmo {

GprsOperatorFill FillGprsFromOperator(const OperatorProvider& provider) {
  GprsOperatorFill fill;
  OperatorFillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "internet");
  if (point == nullptr) {
    checker.Name("apn", "{field}: {operator} has no internet access point in the database.",
                 {{"operator", EscapeForTerminal(provider.name)}});
    return fill;
  }
  fill.values.apn = checker.Take("apn", point->apn, GprsLimits::kApn);
  fill.values.account = checker.Take("gprsAccount", point->username, GprsLimits::kGprsAccount);
  fill.values.password = checker.Take("gprsPassword", point->password, GprsLimits::kGprsPassword);
  return fill;
}

}  // namespace quelmo
