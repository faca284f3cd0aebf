#include "operators/network_2g.h"

namespace quelmo {

// Generated from resources/network-2g.tsv (cmake/embed-network-2g.cmake).
std::string_view EmbeddedNetwork2gText();

Result<const Network2gTable*> BuiltInNetwork2gTable() {
  // Parsed when first asked for, not at start-up: most runs never need it.
  static const Result<Network2gTable> table = ParseNetwork2gTable(EmbeddedNetwork2gText());
  if (!table.ok()) return Error{table.error().code, "the built-in 2G table: " + table.message()};
  return &table.value();
}

}  // namespace quelmo
