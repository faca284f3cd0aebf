#include "cli/other_layout_secrets.h"

#include <string>
#include <vector>


namespace quelmo {
namespace {

std::vector<NamedTextRecord> TextRecordsOf(FileKind kind) {
  return kind->textRecords != nullptr ? kind->textRecords() : std::vector<NamedTextRecord>{};
}

bool IsNonEmptyText(const ShownSettings& shown, const std::string& key) {
  const auto value = shown.json.find(key);
  return value != shown.json.end() && value->is_string() &&
         !value->get_ref<const std::string&>().empty();
}

}  // namespace

void HideOtherLayoutSecrets(FileKind kind, ShownSettings& shown, FileKind other_kind,
                            const ShownSettings& other) {
  const std::vector<NamedTextRecord> shown_records = TextRecordsOf(kind);
  for (const NamedTextRecord& secret : TextRecordsOf(other_kind)) {
    if (!IsHidden(other, std::string(secret.name))) continue;
    for (const NamedTextRecord& same : shown_records) {
      const std::string key(same.name);
      if (same.record == secret.record && IsNonEmptyText(shown, key)) HideValue(shown, key);
    }
  }
}

}  // namespace quelmo
