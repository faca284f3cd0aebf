#include "operators/operator_database.h"

namespace quelmo {

const OperatorAccessPoint* FirstAccessPoint(const OperatorProvider& provider,
                                            const std::string& usage) {
  for (const OperatorAccessPoint& point : provider.accessPoints) {
    const std::string& its_usage = point.usage.empty() ? std::string("internet") : point.usage;
    if (its_usage == usage) return &point;
  }
  return nullptr;
}

}  // namespace quelmo
