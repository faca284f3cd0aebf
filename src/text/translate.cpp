#include "text/translate.h"

#include <algorithm>
#include <atomic>
#include <tuple>

#include "text/languages.h"

namespace quelmo {
namespace {

std::atomic<std::size_t> missed_lookups{0};

}  // namespace

const LanguageRow* FindLanguage(int code) {
  for (const LanguageRow& row : LanguageRows()) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

std::string_view Translate(int language, std::string_view english) {
  return Translate(language, {}, english);
}

std::string_view Translate(int language, std::string_view context, std::string_view english) {
  const LanguageRow* row = FindLanguage(language);
  if (row == nullptr || row->catalogue.empty()) return english;
  const auto key = std::tie(context, english);
  const auto found = std::lower_bound(
      row->texts.begin(), row->texts.end(), key, [](const CatalogueEntry& entry, const auto& k) {
        return std::tie(entry.context, entry.english) < k;
      });
  if (found == row->texts.end() || found->context != context || found->english != english) {
    missed_lookups.fetch_add(1, std::memory_order_relaxed);
    return english;
  }
  return found->translation;
}

std::string FillIn(std::string_view text, std::span<const Placeholder> values) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('{', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = text.find('}', open);
    if (close == std::string_view::npos) break;
    const std::string_view name = text.substr(open + 1, close - open - 1);
    const auto value = std::find_if(values.begin(), values.end(),
                                    [name](const Placeholder& p) { return p.name == name; });
    out.append(text.substr(at, open - at));
    if (value != values.end()) {
      out.append(value->value);
      at = close + 1;
    } else {
      out.push_back('{');
      at = open + 1;
    }
  }
  out.append(text.substr(at));
  return out;
}

std::size_t MissedLookups() { return missed_lookups.load(std::memory_order_relaxed); }

}  // namespace quelmo
