#include "text/mo_catalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace quelmo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value, bool big_endian) {
  for (int i = 0; i < 4; ++i) {
    const int shift = big_endian ? 24 - 8 * i : 8 * i;
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> shift);
  }
}

// An MO file as gettext's documentation lays it out: a 28-byte header
// (magic, revision, count, originals' table, translations' table, hash size
// and offset), the two tables of (length, offset) pairs, then the strings,
// each followed by a NUL.
Bytes MoFile(const std::vector<std::pair<std::string, std::string>>& texts,
             bool big_endian = false) {
  const std::size_t count = texts.size();
  const std::size_t originals = 28;
  const std::size_t translations = originals + 8 * count;
  Bytes bytes(translations + 8 * count, 0);
  Put32(bytes, 0, 0x950412de, big_endian);
  Put32(bytes, 8, static_cast<std::uint32_t>(count), big_endian);
  Put32(bytes, 12, static_cast<std::uint32_t>(originals), big_endian);
  Put32(bytes, 16, static_cast<std::uint32_t>(translations), big_endian);
  for (std::size_t i = 0; i < count; ++i) {
    const auto add = [&](std::size_t table, const std::string& text) {
      Put32(bytes, table + 8 * i, static_cast<std::uint32_t>(text.size()), big_endian);
      Put32(bytes, table + 8 * i + 4, static_cast<std::uint32_t>(bytes.size()), big_endian);
      bytes.insert(bytes.end(), text.begin(), text.end());
      bytes.push_back(0);
    };
    add(originals, texts[i].first);
    add(translations, texts[i].second);
  }
  return bytes;
}

TEST(MoCatalogueTest, FindsTranslationsInEitherByteOrder) {
  // Deliberately not sorted, as a file need not be.
  const std::vector<std::pair<std::string, std::string>> texts = {
      {"Germany", "Deutschland"}, {"Austria", "Österreich"}, {"Plural", std::string("Eins\0Zwei", 9)}};
  for (const bool big_endian : {false, true}) {
    SCOPED_TRACE(big_endian);
    Result<MoCatalogue> catalogue = ParseMoCatalogue(MoFile(texts, big_endian));
    ASSERT_TRUE(catalogue.ok()) << catalogue.message();
    EXPECT_EQ(catalogue->size(), 3u);
    EXPECT_EQ(catalogue->Find("Germany"), "Deutschland");
    EXPECT_EQ(catalogue->Find("Austria"), "Österreich");
    EXPECT_EQ(catalogue->Find("Plural"), "Eins");  // the singular of a plural entry
    EXPECT_EQ(catalogue->Find("France"), "");
    EXPECT_EQ(catalogue->Find(""), "");
  }
  EXPECT_EQ(MoCatalogue().Find("Germany"), "");
}

TEST(MoCatalogueTest, TheCatalogueOutlivesTheBytesAndMoves) {
  Result<MoCatalogue> parsed = ParseMoCatalogue(MoFile({{"Japan", "日本"}}));
  ASSERT_TRUE(parsed.ok());
  MoCatalogue moved = std::move(*parsed);
  EXPECT_EQ(moved.Find("Japan"), "日本");
}

// Every damaged file is refused with kCorrupt; none is read outside its bytes
// (the sanitizer runs of the test command would say so).
TEST(MoCatalogueTest, RefusesFilesThatPointOutsideThemselves) {
  const Bytes good = MoFile({{"Germany", "Deutschland"}, {"Austria", "Österreich"}});
  const struct {
    const char* what;
    std::size_t at;      // where a 32-bit word is overwritten (little endian)
    std::uint32_t value;
  } damages[] = {
      {"wrong magic", 0, 0x12345678},
      {"revision 2", 4, 0x00020000},
      {"count beyond the file", 8, 1000},
      {"count that overflows the table", 8, 0xFFFFFFFF},
      {"originals' table outside", 12, 0xFFFFFFF0},
      {"translations' table outside", 16, static_cast<std::uint32_t>(good.size())},
      {"string length beyond the end", 28, 0xFFFFFFFF},
      {"string offset beyond the end", 32, static_cast<std::uint32_t>(good.size() + 1)},
      {"translation offset overflowing", 48, 0xFFFFFFFF},
  };
  for (const auto& damage : damages) {
    Bytes bytes = good;
    Put32(bytes, damage.at, damage.value, false);
    const Result<MoCatalogue> parsed = ParseMoCatalogue(bytes);
    ASSERT_FALSE(parsed.ok()) << damage.what;
    EXPECT_EQ(parsed.error().code, ErrorCode::kCorrupt) << damage.what;
  }
  for (std::size_t size : {0u, 4u, 27u}) {
    EXPECT_FALSE(ParseMoCatalogue(Bytes(good.begin(), good.begin() + size)).ok()) << size;
  }
  // Cut anywhere in the strings, the last one no longer fits.
  EXPECT_FALSE(ParseMoCatalogue(Bytes(good.begin(), good.end() - 3)).ok());
}

// The system's own iso-codes catalogue, where the machine has it: the reader
// understands what gettext's tools write.
TEST(MoCatalogueTest, ReadsTheSystemsCountryNames) {
  const std::filesystem::path path = "/usr/share/locale/de/LC_MESSAGES/iso_3166-1.mo";
  std::ifstream file(path, std::ios::binary);
  if (!file) GTEST_SKIP() << path << " is not installed";
  const Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const Result<MoCatalogue> catalogue = ParseMoCatalogue(bytes);
  ASSERT_TRUE(catalogue.ok()) << catalogue.message();
  EXPECT_EQ(catalogue->Find("Germany"), "Deutschland");
  EXPECT_EQ(catalogue->Find("Austria"), "Österreich");
}

}  // namespace
}  // namespace quelmo
