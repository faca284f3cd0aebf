#pragma once
// mms.dat and gprs.dat are both 780 bytes. Without a telling name, their
// content decides: each layout leaves traces the other does not (the fixed
// bytes of the header, where the SMS-control byte sits, the reserved record
// 10 of mms.dat against the recipient in record 10 of gprs.dat, the sender's
// user name in record 9 of gprs.dat).

#include <cstdint>
#include <span>

namespace quelmo {

struct MmsGprsEvidence {
  int mms = 0;   // points for an MMS layout
  int gprs = 0;  // points for a GPRS layout
};

MmsGprsEvidence WeighMmsAgainstGprs(std::span<const std::uint8_t> file);

// The lead a layout needs, and the points it needs at least, to be taken.
inline constexpr int kEvidenceLead = 3;
inline constexpr int kEvidenceMinimum = 6;

}  // namespace quelmo
