#include "operators/network_2g.h"

#include <algorithm>
#include <array>

#include "text/utf8.h"

namespace quelmo {
namespace {

constexpr std::string_view kCheckedPrefix = "# checked: ";
constexpr std::size_t kFields = 6;

Error Refused(std::size_t line, const std::string& why) {
  return Error{ErrorCode::kCorrupt, "line " + std::to_string(line) + ": " + why};
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool IsNetworkId(std::string_view id) {
  const std::size_t dash = id.find('-');
  if (dash != 3) return false;
  const std::string_view mnc = id.substr(4);
  return AllDigits(id.substr(0, 3)) && AllDigits(mnc) && (mnc.size() == 2 || mnc.size() == 3);
}

int DaysIn(int year, int month) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// YYYY, YYYY-MM or YYYY-MM-DD of a real day; `full` asks for the day.
bool IsDate(std::string_view date, bool full = false) {
  if (date.size() != 4 && date.size() != 7 && date.size() != 10) return false;
  if (full && date.size() != 10) return false;
  if (!AllDigits(date.substr(0, 4))) return false;
  const int year = Number(date.substr(0, 4));
  if (year < 1990 || year > 2100) return false;
  if (date.size() == 4) return true;
  if (date[4] != '-' || !AllDigits(date.substr(5, 2))) return false;
  const int month = Number(date.substr(5, 2));
  if (month < 1 || month > 12) return false;
  if (date.size() == 7) return true;
  if (date[7] != '-' || !AllDigits(date.substr(8, 2))) return false;
  const int day = Number(date.substr(8, 2));
  return day >= 1 && day <= DaysIn(year, month);
}

bool ParseStatus(std::string_view word, Network2gStatus& status) {
  for (const Network2gStatus each : {Network2gStatus::kOn, Network2gStatus::kClosing, Network2gStatus::kOff}) {
    if (word == Network2gStatusName(each)) {
      status = each;
      return true;
    }
  }
  return false;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  while (fields.size() <= kFields) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) break;
    line.remove_prefix(tab + 1);
  }
  return fields;
}

Result<Network2gRow> ParseRow(std::string_view line, std::size_t number) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != kFields) {
    return Refused(number, "a line has six fields separated by tabs, this one has " +
                               (fields.size() > kFields ? std::string("more") : std::to_string(fields.size())));
  }
  Network2gRow row{std::string(fields[0]), Network2gStatus::kUnknown, std::string(fields[2]),
                   std::string(fields[3]), std::string(fields[4]), std::string(fields[5])};
  if (!IsNetworkId(row.network)) {
    return Refused(number, "\"" + row.network + "\" is no network id (MCC-MNC, such as 234-10)");
  }
  if (!ParseStatus(fields[1], row.status)) {
    return Refused(number, "the status \"" + std::string(fields[1]) + "\" is none of on, closing, off");
  }
  if (!row.date.empty() && !IsDate(row.date)) {
    return Refused(number, "the date \"" + row.date + "\" is no real YYYY, YYYY-MM or YYYY-MM-DD");
  }
  if (row.status == Network2gStatus::kClosing && row.date.empty()) {
    return Refused(number, "a switch-off is announced for a date, and this line has none");
  }
  if (row.status == Network2gStatus::kOn && !row.date.empty()) {
    return Refused(number, "a network that runs 2G has no switch-off date");
  }
  // An address is printable ASCII (anything else is percent-encoded).
  const bool printable =
      std::all_of(row.source.begin(), row.source.end(), [](char c) { return c > ' ' && c < 0x7f; });
  if (row.source.rfind("https://", 0) != 0 || row.source.size() <= 8 || !printable) {
    return Refused(number, "the source \"" + row.source + "\" is no https:// address");
  }
  if (row.operatorName.empty()) return Refused(number, "the operator's name is empty");
  return row;
}

}  // namespace

std::string_view Network2gStatusName(Network2gStatus status) {
  switch (status) {
    case Network2gStatus::kOn:
      return "on";
    case Network2gStatus::kClosing:
      return "closing";
    case Network2gStatus::kOff:
      return "off";
    case Network2gStatus::kUnknown:
      break;
  }
  return "unknown";
}

Result<Network2gTable> ParseNetwork2gTable(std::string_view text, const Network2gLimits& limits) {
  if (text.size() > limits.bytes) {
    return Error{ErrorCode::kCorrupt, "the table is larger than " + std::to_string(limits.bytes) + " bytes"};
  }
  Network2gTable table;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > limits.lineBytes) {
      return Refused(number, "longer than " + std::to_string(limits.lineBytes) + " bytes");
    }
    if (const auto bad = FindInvalidUtf8(line)) {
      return Refused(number, "not UTF-8: " + DescribeByte(line, *bad));
    }
    if (line.rfind(kCheckedPrefix, 0) == 0) {
      const std::string_view date = line.substr(kCheckedPrefix.size());
      if (!table.checked.empty()) return Refused(number, "a second \"checked:\" line");
      if (!IsDate(date, true)) return Refused(number, "\"checked:\" takes a YYYY-MM-DD date");
      table.checked = std::string(date);
      continue;
    }
    if (line.empty() || line.front() == '#') continue;
    if (table.rows.size() >= limits.rows) {
      return Refused(number, "more than " + std::to_string(limits.rows) + " networks");
    }
    Result<Network2gRow> row = ParseRow(line, number);
    if (!row.ok()) return row.error();
    table.rows.push_back(std::move(row).value());
  }
  if (table.checked.empty()) {
    return Error{ErrorCode::kCorrupt, "the table does not say when it was checked (\"# checked: YYYY-MM-DD\")"};
  }
  std::stable_sort(table.rows.begin(), table.rows.end(),
                   [](const Network2gRow& a, const Network2gRow& b) { return a.network < b.network; });
  const auto twice = std::adjacent_find(table.rows.begin(), table.rows.end(),
                                        [](const auto& a, const auto& b) { return a.network == b.network; });
  if (twice != table.rows.end()) {
    return Error{ErrorCode::kCorrupt, "the network " + twice->network + " has more than one line"};
  }
  return table;
}

const Network2gRow* FindNetwork2g(const Network2gTable& table, std::string_view network) {
  const auto found = std::lower_bound(table.rows.begin(), table.rows.end(), network,
                                      [](const Network2gRow& row, std::string_view id) { return row.network < id; });
  return found != table.rows.end() && found->network == network ? &*found : nullptr;
}

std::vector<std::string> NetworkIdsOf(const OperatorProvider& provider) {
  std::vector<std::string> ids;
  for (const OperatorNetworkId& id : provider.networkIds) {
    std::string joined = id.mcc + "-" + id.mnc;
    if (std::find(ids.begin(), ids.end(), joined) == ids.end()) ids.push_back(std::move(joined));
  }
  return ids;
}

Network2gVerdict Network2gOf(const Network2gTable& table, const OperatorProvider& provider) {
  // The order of preference, best first; kUnknown never comes from a line.
  const auto rank = [](Network2gStatus status) {
    return status == Network2gStatus::kOn ? 3 : status == Network2gStatus::kClosing ? 2 : 1;
  };
  Network2gVerdict verdict;
  for (const std::string& id : NetworkIdsOf(provider)) {
    const Network2gRow* row = FindNetwork2g(table, id);
    if (row == nullptr) continue;
    const bool better = verdict.row == nullptr || rank(row->status) > rank(verdict.row->status) ||
                        (row->status == verdict.row->status && row->date > verdict.row->date);
    if (better) verdict = {row->status, row};
  }
  return verdict;
}

}  // namespace quelmo
