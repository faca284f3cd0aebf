#include "kind/list_names.h"

#include <algorithm>
#include <cctype>

namespace quelmo {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::optional<int> FindListEntry(const std::vector<std::string>& names, std::string_view text) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualIgnoringCase(names[i], text)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<std::string> ListEntryName(const std::vector<std::string>& names, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return std::nullopt;
  return names[static_cast<std::size_t>(index)];
}

std::string DescribeListEntries(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string description = "0 to " + std::to_string(names.size() - 1) + ", or ";
  if (names.size() <= 8) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i > 0) description += ", ";
      description += "\"" + names[i] + "\"";
    }
  } else {
    description += "\"" + names.front() + "\" ... \"" + names.back() + "\"";
  }
  return description;
}

}  // namespace quelmo
