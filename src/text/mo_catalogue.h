#pragma once
// A reader of gettext's compiled catalogues (MO files), for the system's
// translations of names the program shows but does not own (the iso-codes
// country names). Bytes that are no sound MO file are refused, never trusted.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/result.h"

namespace quelmo {

class MoCatalogue {
 public:
  MoCatalogue() = default;
  MoCatalogue(const MoCatalogue&) = delete;
  MoCatalogue& operator=(const MoCatalogue&) = delete;
  // The views point into the string the pointer owns, which stays put.
  MoCatalogue(MoCatalogue&&) = default;
  MoCatalogue& operator=(MoCatalogue&&) = default;

  // The translation of `original`; empty when the catalogue has none (or an
  // empty one).
  std::string_view Find(std::string_view original) const;
  std::size_t size() const { return texts_.size(); }

 private:
  friend Result<MoCatalogue> ParseMoCatalogue(std::span<const std::uint8_t> bytes);
  // Views into bytes_, sorted by original: strings may share bytes, so
  // nothing is copied per string and memory stays within the file's size.
  std::unique_ptr<const std::string> bytes_;
  std::vector<std::pair<std::string_view, std::string_view>> texts_;
};

// The catalogue in an MO file's bytes (either byte order). kCorrupt for a
// wrong magic number, an unknown major revision, or a table or string that
// lies outside the bytes.
Result<MoCatalogue> ParseMoCatalogue(std::span<const std::uint8_t> bytes);

}  // namespace quelmo
