#include "operators/operator_search.h"

#include <algorithm>
#include <string>
#include <utility>

namespace quelmo {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// `needle` is lower case already; only ASCII letters fold, so a UTF-8 name
// is searched byte by byte and never split inside a character.
bool HoldsIgnoringCase(std::string_view haystack, std::string_view needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                     [](char h, char n) { return LowerAscii(h) == n; }) != haystack.end();
}

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

struct Query {
  std::string lowered;
  std::string digits;
};

bool Matches(const OperatorProvider& provider, const Query& query, std::string& scratch) {
  if (query.lowered.empty()) return true;
  if (HoldsIgnoringCase(provider.name, query.lowered)) return true;
  for (const std::string& other : provider.otherNames) {
    if (HoldsIgnoringCase(other, query.lowered)) return true;
  }
  if (query.digits.empty()) return false;
  for (const OperatorNetworkId& id : provider.networkIds) {
    scratch.assign(id.mcc);
    scratch.append(id.mnc);
    if (scratch.find(query.digits) != std::string::npos) return true;
  }
  return false;
}

std::string LoweredAscii(std::string_view text) {
  std::string lowered;
  lowered.reserve(text.size());
  for (char c : text) lowered += LowerAscii(c);
  return lowered;
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
  std::vector<std::pair<std::size_t, const std::string*>> near;
  for (const OperatorProvider& provider : country.providers) {
    const std::string its = LoweredAscii(provider.name);
    const bool holds = !wanted.empty() && (its.find(wanted) != std::string::npos ||
                                           wanted.find(its) != std::string::npos);
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
  Query query;
  const std::string_view trimmed = Trimmed(text);
  query.lowered.reserve(trimmed.size());
  for (char c : trimmed) query.lowered += LowerAscii(c);
  query.digits = NetworkDigits(trimmed);

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
