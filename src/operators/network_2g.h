#pragma once
// Whether a network still runs 2G (GSM/GPRS), the only network the camera
// can use: a table keyed by network id (MCC-MNC), each line with its public
// source, kept as resources/network-2g.tsv (its header describes the format)
// and built into the program. A provider of the operator database takes its
// status from its network ids, so a reseller shares its host's.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "operators/network_2g_getter.h"
#include "operators/operator_database.h"

namespace quelmo {

// kUnknown is never written in the table: it is what a network without a
// line has.
enum class Network2gStatus { kUnknown, kOn, kClosing, kOff };

// "on", "closing", "off", "unknown": the table's and the JSON's words.
std::string_view Network2gStatusName(Network2gStatus status);

struct Network2gRow {
  std::string network;  // "234-10"
  Network2gStatus status = Network2gStatus::kUnknown;
  std::string date;      // "YYYY", "YYYY-MM" or "YYYY-MM-DD"; may be empty (see the file)
  std::string source;    // https:// address
  std::string operatorName;
  std::string note;
};

struct Network2gTable {
  std::string checked;             // "YYYY-MM-DD": when the lines were last checked
  std::vector<Network2gRow> rows;  // by network id, each once
};

struct Network2gLimits {
  std::size_t bytes = 1u << 20;
  std::size_t rows = 10000;
  std::size_t lineBytes = 2000;
};

// Reads the table's text (UTF-8). Refused, naming the line: text that is not
// UTF-8, a line without six
// tab-separated fields, a network id that is not MCC-MNC or comes twice, a
// status other than on/closing/off, a date that is not a real YYYY[-MM[-DD]]
// or is missing or present where its status says otherwise, a source that is
// not an https:// address of printable ASCII, an empty operator name, a missing or bad
// "# checked: YYYY-MM-DD" line, and anything above the limits.
Result<Network2gTable> ParseNetwork2gTable(std::string_view text, const Network2gLimits& limits = {});

// The table built into the program, read at its first use and kept.
Result<const Network2gTable*> BuiltInNetwork2gTable();

// The line of a network id ("505-01"), or nullptr.
const Network2gRow* FindNetwork2g(const Network2gTable& table, std::string_view network);

// A provider's network ids as "MCC-MNC", in the database's order, each once.
std::vector<std::string> NetworkIdsOf(const OperatorProvider& provider);

// A provider's 2G status from the lines of its network ids: a network that
// still runs 2G is enough for the camera, so on beats closing beats off; of
// closing lines the latest date stands, of off lines the latest too.
// kUnknown (and no row) when none of its ids has a line.
struct Network2gVerdict {
  Network2gStatus status = Network2gStatus::kUnknown;
  const Network2gRow* row = nullptr;
};
Network2gVerdict Network2gOf(const Network2gTable& table, const OperatorProvider& provider);

}  // namespace quelmo
