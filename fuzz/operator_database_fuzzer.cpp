// The operator database reader: any bytes give a database or a message,
// never a fault; a database that is given keeps the reader's promises.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "operators/operator_database_reader.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelmo;
  const OperatorDatabaseLimits limits;
  const auto database = ParseOperatorDatabase(std::span(data, size), limits);
  if (!database.ok()) {
    Require(!database.message().empty());
    return 0;
  }
  Require(!database->countries.empty() && database->countries.size() <= limits.countries);
  for (const auto& country : database->countries) {
    Require(country.code.size() == 2 && country.code[0] >= 'a' && country.code[0] <= 'z');
    for (const auto& provider : country.providers) {
      Require(!provider.name.empty() && provider.name.size() <= limits.textBytes);
      Require(provider.accessPoints.size() <= limits.perProvider);
      const auto* internet = FirstAccessPoint(provider, "internet");
      Require(internet == nullptr || internet->usage.empty() || internet->usage == "internet");
    }
  }
  return 0;
}
