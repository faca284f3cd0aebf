#include "smtp/gprs_operator_fill.h"

#include "smtp/gprs_fields.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

using G = GprsSettings;

// What the database gives for a value of the access point.
const std::string& DatabaseValue(const OperatorAccessPoint& point, OperatorValue value) {
  switch (value) {
    case OperatorValue::kAccount:
      return point.username;
    case OperatorValue::kPassword:
      return point.password;
    default:
      return point.apn;
  }
}

}  // namespace

GprsOperatorFill FillGprsFromOperator(const OperatorProvider& provider) {
  GprsOperatorFill fill;
  OperatorFillChecker checker(fill.findings);
  const OperatorAccessPoint* point = FirstAccessPoint(provider, "internet");
  if (point == nullptr) {
    checker.Name(KeyOf<G>(kGprsFields, &G::apn),
                 "{field}: {operator} has no internet access point in the database.",
                 {{"operator", EscapeForTerminal(provider.name)}});
    return fill;
  }
  for (const StoredTextField<G>* field : OperatorFields(kGprsFields)) {
    const OperatorValue value = field->place.operatorValue;
    FilledValue(fill.values, value) = checker.Take(field->key, DatabaseValue(*point, value),
                                                   static_cast<int>(field->byteLimit));
  }
  return fill;
}

const std::string& FilledValue(const GprsOperatorValues& values, OperatorValue value) {
  return FilledValue(const_cast<GprsOperatorValues&>(values), value);
}

std::string& FilledValue(GprsOperatorValues& values, OperatorValue value) {
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
