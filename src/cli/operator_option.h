#pragma once
// write --operator CC:NAME: Customer mode from a provider of the operator
// database, named by its country's two-letter code and its name as the
// database spells it (letter case aside).

#include <string>
#include <string_view>

#include "base/result.h"
#include "cli/kind_registry.h"
#include "kind/settings_json.h"
#include "operators/operator_database_getter.h"

namespace quelmo {

// Sets `kind`'s Customer keys in `settings` from the provider `choice` names.
// Errors: a kind without operator parameters, a choice that is not CC:NAME,
// the database unavailable (its own message), a country or name it does not
// have (with the names near it), a value the file cannot hold.
// `warning`, when given, receives a sentence when the provider's network no
// longer runs 2G: the values are set all the same.
Status ApplyOperatorOption(FileKind kind, std::string_view choice, const OperatorDatabaseGetter& database,
                           Json& settings, std::string* warning = nullptr);

}  // namespace quelmo
