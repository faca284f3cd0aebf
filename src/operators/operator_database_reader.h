#pragma once
// Builds an OperatorDatabase from the bytes of serviceproviders.xml, bounded:
// the nesting depth, the number of countries, providers, names, network ids
// and access points, and the length of every kept text have caps far above
// what the real file holds, so a hostile file costs little memory and time.
// Only GSM data is kept; <cdma>, plans, USSD codes, DNS servers and the
// like are skipped.

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/result.h"
#include "operators/operator_database.h"

namespace quelmo {

// The real file is about 360 KB; anything above this is refused unread.
inline constexpr std::uintmax_t kOperatorDatabaseMaxBytes = 16u << 20;

struct OperatorDatabaseLimits {
  std::size_t depth = 32;
  std::size_t countries = 1000;
  std::size_t providers = 20000;         // in the whole file
  std::size_t accessPoints = 100000;     // in the whole file
  std::size_t perProvider = 1000;        // names, network ids, access points each
  std::size_t textBytes = 4096;          // a kept text or attribute value
};

// Messages name the line and what is wrong, not the file: the caller adds it.
Result<OperatorDatabase> ParseOperatorDatabase(std::span<const std::uint8_t> document,
                                               const OperatorDatabaseLimits& limits = {});

}  // namespace quelmo
