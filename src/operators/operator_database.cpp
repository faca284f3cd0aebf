#include "operators/operator_database.h"

namespace quelmo {

const OperatorAccessPoint* FirstAccessPoint(const OperatorProvider& provider,
                                            const std::string& usage) {
  for (const auto& accessPoint : provider.accessPoints) {
    const bool matches =
        accessPoint.usage.empty() ? usage == "internet" : accessPoint.usage == usage;
    if (matches) return &accessPoint;
  }
  return nullptr;
}

}  // namespace quelmo
