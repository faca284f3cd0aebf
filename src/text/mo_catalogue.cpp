#include "text/mo_catalogue.h"

#include <algorithm>

namespace quelmo {
namespace {

// The header: magic, revision, string count, the offsets of the table of
// originals and of translations (each entry a length and an offset, 32-bit),
// then a hash table the reader does not need.
constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kEntrySize = 8;

class Reader {
 public:
  Reader(std::span<const std::uint8_t> bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

  std::uint32_t Word(std::size_t at) const {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint32_t byte = bytes_[at + static_cast<std::size_t>(swapped_ ? i : 3 - i)];
      value = (value << 8) | byte;
    }
    return value;
  }

  // The string of table entry `index` as a view into `text` (the same bytes);
  // false when it lies outside them.
  bool String(std::uint64_t table, std::uint64_t index, std::string_view text,
              std::string_view& out) const {
    const std::uint64_t entry = table + index * kEntrySize;
    if (entry + kEntrySize > bytes_.size()) return false;
    const std::uint64_t length = Word(static_cast<std::size_t>(entry));
    const std::uint64_t offset = Word(static_cast<std::size_t>(entry + 4));
    if (offset > bytes_.size() || length > bytes_.size() - offset) return false;
    out = text.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  bool swapped_;
};

Error Corrupt(const char* why) {
  return Error{ErrorCode::kCorrupt, std::string("Not a gettext MO file: ") + why};
}

}  // namespace

std::string_view MoCatalogue::Find(std::string_view original) const {
  const auto found = std::lower_bound(
      texts_.begin(), texts_.end(), original,
      [](const std::pair<std::string_view, std::string_view>& text, std::string_view key) {
        return text.first < key;
      });
  if (found == texts_.end() || found->first != original) return {};
  return found->second;
}

Result<MoCatalogue> ParseMoCatalogue(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize) return Corrupt("shorter than its header");
  const bool swapped = Reader(bytes, false).Word(0) != kMagic;
  const Reader reader(bytes, swapped);
  if (reader.Word(0) != kMagic) return Corrupt("wrong magic number");
  if ((reader.Word(4) >> 16) > 1) return Corrupt("unknown revision");
  const std::uint64_t count = reader.Word(8);
  const std::uint64_t originals = reader.Word(12);
  const std::uint64_t translations = reader.Word(16);
  // Both tables must lie inside the bytes before anything is allocated.
  for (const std::uint64_t table : {originals, translations}) {
    if (table > bytes.size() || count > (bytes.size() - table) / kEntrySize) {
      return Corrupt("a table lies outside the file");
    }
  }
  MoCatalogue catalogue;
  catalogue.bytes_ = std::make_unique<const std::string>(
      reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::string_view text = *catalogue.bytes_;
  catalogue.texts_.reserve(static_cast<std::size_t>(count));
  for (std::uint64_t i = 0; i < count; ++i) {
    std::string_view original;
    std::string_view translation;
    if (!reader.String(originals, i, text, original) ||
        !reader.String(translations, i, text, translation)) {
      return Corrupt("a string lies outside the file");
    }
    // A plural translation holds its forms NUL-separated: the first is the singular.
    translation = translation.substr(0, translation.find('\0'));
    catalogue.texts_.emplace_back(original, translation);
  }
  std::stable_sort(catalogue.texts_.begin(), catalogue.texts_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return catalogue;
}

}  // namespace quelmo
