#include "operators/operator_search.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quelmo {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// A lower-case text to find in others, ASCII letters folded, in time linear
// in both (Knuth, Morris and Pratt): a long search text against long names
// costs what reading them costs, never their product. Only ASCII letters
// fold, so a UTF-8 name is searched byte by byte and never split inside a
// character.
class FoldedNeedle {
 public:
  explicit FoldedNeedle(std::string lowered) : needle_(std::move(lowered)), fallback_(needle_.size()) {
    // fallback_[i]: the length of the longest proper border of needle_[0..i].
    for (std::size_t i = 1, border = 0; i < needle_.size(); ++i) {
      while (border > 0 && needle_[i] != needle_[border]) border = fallback_[border - 1];
      if (needle_[i] == needle_[border]) ++border;
      fallback_[i] = border;
    }
  }

  bool empty() const { return needle_.empty(); }

  bool FoundIn(std::string_view haystack) const {
    if (needle_.empty()) return true;
    if (needle_.size() > haystack.size()) return false;
    std::size_t matched = 0;
    for (const char c : haystack) {
      const char folded = LowerAscii(c);
      while (matched > 0 && folded != needle_[matched]) matched = fallback_[matched - 1];
      if (folded == needle_[matched]) ++matched;
      if (matched == needle_.size()) return true;
    }
    return false;
  }

 private:
  std::string needle_;
  std::vector<std::size_t> fallback_;
};

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The digits of a text made of digits, blanks and hyphens only, with at
// least one digit; empty for any other text, which is then no network id.
std::string NetworkDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits += c;
    else if (c != ' ' && c != '-') return {};
  }
  return digits;
}

std::string LoweredAscii(std::string_view text) {
  std::string lowered;
  lowered.reserve(text.size());
  for (char c : text) lowered += LowerAscii(c);
  return lowered;
}

struct Query {
  FoldedNeedle text;
  FoldedNeedle digits;
};

bool Matches(const OperatorProvider& provider, const Query& query, std::string& scratch) {
  if (query.text.empty()) return true;
  if (query.text.FoundIn(provider.name)) return true;
  for (const std::string& other : provider.otherNames) {
    if (query.text.FoundIn(other)) return true;
  }
  if (query.digits.empty()) return false;
  for (const OperatorNetworkId& id : provider.networkIds) {
    scratch.assign(id.mcc);
    scratch.append(id.mnc);
    if (query.digits.FoundIn(scratch)) return true;
  }
  return false;
}

// Letters to change, add or remove to make one text the other; names are
// short, and a bound keeps a hostile one from costing much.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  constexpr std::size_t kLongest = 64;
  if (a.size() > kLongest || b.size() > kLongest) return kLongest;
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

const OperatorProvider* FindOperatorNamed(const OperatorCountry& country, std::string_view name) {
  for (const OperatorProvider& provider : country.providers) {
    if (EqualIgnoringCase(provider.name, name)) return &provider;
  }
  return nullptr;
}

std::vector<std::string> NearOperatorNames(const OperatorCountry& country, std::string_view name,
                                           std::size_t most) {
  constexpr std::size_t kFewLetters = 3;
  const std::string wanted = LoweredAscii(Trimmed(name));
  const FoldedNeedle wanted_needle(wanted);
  std::vector<std::pair<std::size_t, const std::string*>> near;
  for (const OperatorProvider& provider : country.providers) {
    const std::string its = LoweredAscii(provider.name);
    const bool holds =
        !wanted.empty() && (wanted_needle.FoundIn(its) || FoldedNeedle(its).FoundIn(wanted));
    const std::size_t distance = holds ? 0 : EditDistance(its, wanted);
    if (distance <= kFewLetters) near.emplace_back(distance, &provider.name);
  }
  std::stable_sort(near.begin(), near.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (const auto& [distance, its_name] : near) {
    if (names.size() == most) break;
    if (std::find(names.begin(), names.end(), *its_name) == names.end()) names.push_back(*its_name);
  }
  return names;
}

const OperatorCountry* FindOperatorCountry(const OperatorDatabase& database,
                                           std::string_view country_code) {
  for (const OperatorCountry& country : database.countries) {
    if (EqualIgnoringCase(country.code, country_code)) return &country;
  }
  return nullptr;
}

std::vector<OperatorMatch> SearchOperators(const OperatorDatabase& database,
                                           std::string_view country_code,
                                           std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  const Query query{FoldedNeedle(LoweredAscii(trimmed)), FoldedNeedle(NetworkDigits(trimmed))};

  std::vector<OperatorMatch> matches;
  std::string scratch;
  const auto search_country = [&](const OperatorCountry& country) {
    for (const OperatorProvider& provider : country.providers) {
      if (Matches(provider, query, scratch)) matches.push_back({&country, &provider});
    }
  };
  if (country_code.empty()) {
    for (const OperatorCountry& country : database.countries) search_country(country);
  } else if (const OperatorCountry* country = FindOperatorCountry(database, country_code)) {
    search_country(*country);
  }
  return matches;
}

}  // namespace quelmo
