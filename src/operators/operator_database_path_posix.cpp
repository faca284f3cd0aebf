#include <cstdlib>
#include <string>

#include "operators/operator_database_loader.h"

namespace quelmo {

std::filesystem::path OperatorDatabasePath() {
  if (const char* chosen = std::getenv("QUELMO_OPERATOR_DATABASE"); chosen && *chosen) {
    return chosen;
  }
  // The distribution's copy, so that its updates reach the program.
  return "/usr/share/mobile-broadband-provider-info/serviceproviders.xml";
}

std::string OperatorDatabaseSource() {
  return "the package mobile-broadband-provider-info provides it "
         "(apt install mobile-broadband-provider-info), or QUELMO_OPERATOR_DATABASE names another copy";
}

std::filesystem::path CountryNameCataloguePath(std::string_view locale) {
  return std::filesystem::path("/usr/share/locale") / std::string(locale) / "LC_MESSAGES" /
         "iso_3166-1.mo";
}

}  // namespace quelmo
