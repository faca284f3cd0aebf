#include "operators/network_2g_texts.h"

#include "text/translate.h"

namespace quelmo {

std::string Network2gListMark(const Network2gVerdict& verdict, int language_index) {
  if (verdict.row == nullptr) return {};
  if (verdict.status == Network2gStatus::kOff) {
    return std::string(Translate(language_index, "no 2G"));
  }
  if (verdict.status == Network2gStatus::kClosing) {
    return FillIn(Translate(language_index, "2G until {date}"), {{"date", verdict.row->date}});
  }
  return {};
}

std::string Network2gNotice(const Network2gVerdict& verdict, int language_index) {
  if (verdict.row == nullptr) return {};
  const std::string& date = verdict.row->date;
  if (verdict.status == Network2gStatus::kOff) {
    // A network that never ran GSM, or whose switch-off the source does not date.
    if (date.empty()) {
      return std::string(Translate(
          language_index, "No 2G (GSM) network: a GSM camera cannot connect to this network"));
    }
    return FillIn(Translate(language_index,
                            "2G switched off in {year}: a GSM camera cannot connect to this network"),
                  {{"year", std::string_view(date).substr(0, 4)}});
  }
  if (verdict.status == Network2gStatus::kClosing) {
    return FillIn(Translate(language_index, "2G switch-off announced for {date}"),
                  {{"date", date}});
  }
  return {};
}

std::string Network2gTableUnavailable(std::string_view why, int language_index) {
  return FillIn(Translate(language_index, "The 2G table is not available: {reason}"),
                {{"reason", why}});
}

}  // namespace quelmo
