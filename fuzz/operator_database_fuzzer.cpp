// The operator database reader: any bytes give a database or a message,
// never a fault; a database that is given keeps the reader's promises, and
// what is built on it keeps its own: a country once, every provider found by
// its own name, a proxy read as write takes it, names escaped for a terminal.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "operators/mms_proxy.h"
#include "operators/operator_database_reader.h"
#include "operators/operator_search.h"
#include "text/terminal_text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Nothing that could steer a terminal is left in an escaped text.
void RequireTerminalSafe(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    Require(byte >= 0x20 && byte != 0x7F);
    if (byte == 0xC2 && i + 1 < text.size()) {
      Require(static_cast<unsigned char>(text[i + 1]) > 0x9F);
    }
    if (byte == 0xE2 && i + 2 < text.size()) {
      const auto second = static_cast<unsigned char>(text[i + 1]);
      const auto third = static_cast<unsigned char>(text[i + 2]);
      Require(!(second == 0x80 && third >= 0xA8 && third <= 0xAE));
      Require(!(second == 0x81 && third >= 0xA6 && third <= 0xA9));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelmo;
  const OperatorDatabaseLimits limits;
  const auto database = ParseOperatorDatabase(std::span(data, size), limits);
  if (!database.ok()) {
    Require(!database.message().empty());
    Require(database.message().find('\0') == std::string::npos);
    return 0;
  }
  Require(!database->countries.empty() && database->countries.size() <= limits.countries);
  std::set<std::string> codes;
  std::size_t checked = 0;  // the costlier promises, for the first few providers
  for (const auto& country : database->countries) {
    Require(country.code.size() == 2 && country.code[0] >= 'a' && country.code[0] <= 'z');
    Require(codes.insert(country.code).second);
    for (const auto& provider : country.providers) {
      Require(!provider.name.empty() && provider.name.size() <= limits.textBytes);
      Require(provider.accessPoints.size() <= limits.perProvider);
      const auto* internet = FirstAccessPoint(provider, "internet");
      Require(internet == nullptr || internet->usage.empty() || internet->usage == "internet");
      if (++checked > 8) continue;

      RequireTerminalSafe(EscapeForTerminal(provider.name));
      Require(FindOperatorNamed(country, provider.name) != nullptr);
      if (provider.name.size() <= kOperatorSearchCharacters) {
        bool found = false;
        for (const auto& match : SearchOperators(*database, country.code, provider.name)) {
          found = found || match.provider == &provider;
        }
        Require(found);
      }
      for (const auto& point : provider.accessPoints) {
        const MmsProxy proxy = ParseMmsProxy(point.mmsProxy);
        Require(proxy.port >= 0 && proxy.port <= 65535);
        Require(proxy.host.find_first_of(": \t") == std::string::npos);
        Require(proxy.problem.empty() == (!proxy.host.empty() && proxy.port != 0));
        RequireTerminalSafe(proxy.problem);
      }
    }
  }
  return 0;
}
