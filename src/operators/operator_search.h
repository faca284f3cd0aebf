#pragma once
// Finding providers as the user types: by name (any of a provider's names)
// or by network id, within one country or the whole database.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "operators/operator_database.h"

namespace quelmo {

// The longest search text, in characters, that the finder's edit takes and
// `quelmo-cli operators --search` accepts: names are far shorter, and the
// search stays linear in the database whatever the text.
inline constexpr std::size_t kOperatorSearchCharacters = 64;

struct OperatorMatch {
  const OperatorCountry* country = nullptr;
  const OperatorProvider* provider = nullptr;
};

// The providers of the country coded `country_code` (empty: of every
// country), in the file's order, whose name or other names hold `text`
// whatever its letter case, or whose MCC and MNC written together hold its
// digits ("23410", "234 10", "234-10" and "234" all find MCC 234 MNC 10).
// Blanks around `text` do not count; an empty text matches every provider.
// The matches point into `database`.
std::vector<OperatorMatch> SearchOperators(const OperatorDatabase& database,
                                           std::string_view country_code,
                                           std::string_view text);

// The country coded `country_code` in `database` (letter case aside), or
// nullptr.
const OperatorCountry* FindOperatorCountry(const OperatorDatabase& database,
                                           std::string_view country_code);

// The first provider of `country` whose name is `name`, letter case aside;
// nullptr when none is.
const OperatorProvider* FindOperatorNamed(const OperatorCountry& country, std::string_view name);

// Up to `most` names of `country`'s providers close to `name`, for a name
// mistyped: those holding it or held by it, or a few letters off, letter
// case aside; nearest first.
std::vector<std::string> NearOperatorNames(const OperatorCountry& country, std::string_view name,
                                           std::size_t most);

}  // namespace quelmo
