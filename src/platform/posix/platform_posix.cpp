#include "platform/platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace quelmo {
namespace {

constexpr std::uint16_t kEnglishUs = 0x0409;

struct TerritoryId {
  std::string_view territory;
  std::uint16_t languageId;
};

struct LanguageIds {
  std::string_view language;
  std::uint16_t mainId;  // no territory, or one without its own identifier
  std::initializer_list<TerritoryId> territories;
};

// The languages the program has texts for, with the territories Windows
// gives identifiers of their own.
const LanguageIds kLanguages[] = {
    {"zh", 0x0804, {{"CN", 0x0804}, {"TW", 0x0404}, {"HK", 0x0C04}, {"SG", 0x1004}, {"MO", 0x1404}}},
    {"en",
     0x0409,
     {{"US", 0x0409}, {"GB", 0x0809}, {"AU", 0x0C09}, {"CA", 0x1009}, {"NZ", 0x1409}, {"IE", 0x1809},
      {"ZA", 0x1C09}, {"JM", 0x2009}, {"BZ", 0x2809}, {"TT", 0x2C09}, {"ZW", 0x3009}, {"PH", 0x3409},
      {"IN", 0x4009}, {"MY", 0x4409}, {"SG", 0x4809}}},
    {"de", 0x0407, {{"DE", 0x0407}, {"CH", 0x0807}, {"AT", 0x0C07}, {"LU", 0x1007}, {"LI", 0x1407}}},
    {"fi", 0x040B, {{"FI", 0x040B}}},
    {"it", 0x0410, {{"IT", 0x0410}, {"CH", 0x0810}}},
    {"fr",
     0x040C,
     {{"FR", 0x040C}, {"BE", 0x080C}, {"CA", 0x0C0C}, {"CH", 0x100C}, {"LU", 0x140C}, {"MC", 0x180C}}},
    {"hu", 0x040E, {{"HU", 0x040E}}},
    {"sl", 0x0424, {{"SI", 0x0424}}},
    {"cs", 0x0405, {{"CZ", 0x0405}}},
    {"ja", 0x0411, {{"JP", 0x0411}}},
    {"lt", 0x0427, {{"LT", 0x0427}}},
};

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Raised(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

const char* FirstNonEmptyVariable(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

}  // namespace

std::uint16_t LanguageIdFromLocale(std::string_view locale) {
  // language[_territory][.codeset][@modifier]
  const std::size_t name_end = locale.find_first_of(".@");
  const std::string_view name = locale.substr(0, name_end);
  const std::size_t separator = name.find_first_of("_-");
  const std::string language = Lowered(name.substr(0, separator));
  const std::string territory =
      separator == std::string_view::npos ? std::string() : Raised(name.substr(separator + 1));

  for (const LanguageIds& entry : kLanguages) {
    if (entry.language != language) continue;
    for (const TerritoryId& known : entry.territories) {
      if (known.territory == territory) return known.languageId;
    }
    return entry.mainId;
  }
  return kEnglishUs;
}

std::uint16_t SystemDefaultLanguageId() {
  // The same precedence glibc uses for the language of messages.
  return LanguageIdFromLocale(FirstNonEmptyVariable({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

std::string RegionFromLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const std::size_t separator = name.find_first_of("_-");
  if (separator == std::string_view::npos) return {};
  const std::string territory = Lowered(name.substr(separator + 1));
  const bool two_letters = territory.size() == 2 && territory[0] >= 'a' && territory[0] <= 'z' &&
                           territory[1] >= 'a' && territory[1] <= 'z';
  return two_letters ? territory : std::string();
}

std::string SystemRegionCode() {
  return RegionFromLocale(FirstNonEmptyVariable({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

std::string DefaultDestinationFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/";
}

}  // namespace quelmo
