#pragma once
// The public operator database (serviceproviders.xml): countries, their
// providers and each provider's GSM access points, held as plain values.
// Reading it (operator_database_reader.h) and loading it lazily from where
// the system keeps it (operator_database_loader.h) live beside this file;
// searching and filling a form's settings from an entry are plain functions
// of these values, shared by the finder window and the command-line tool.

#include <optional>
#include <string>
#include <vector>

namespace quelmo {

// One <apn> of a provider's <gsm>, texts as the file spells them (UTF-8).
struct OperatorAccessPoint {
  std::string apn;       // the value attribute
  std::string usage;     // "internet", "mms", ...; empty when the file names none
  std::string username;
  std::string password;
  std::string mmsc;      // MMS centre URL
  std::string mmsProxy;  // "host:port" or "host"
};

struct OperatorNetworkId {
  std::string mcc;
  std::string mnc;
};

struct OperatorProvider {
  std::string name;                 // the first <name> that has no xml:lang, else the first
  std::vector<std::string> otherNames;  // the other <name>s (other languages, brands)
  std::vector<OperatorNetworkId> networkIds;  // provider's and gsm's, in file order
  std::vector<OperatorAccessPoint> accessPoints;  // gsm only, in file order
};

struct OperatorCountry {
  std::string code;  // two letters, lower case, as in the file ("gb")
  std::vector<OperatorProvider> providers;
};

struct OperatorDatabase {
  std::vector<OperatorCountry> countries;  // in file order
};

// The first access point of a usage in the file's order; an access point
// that names no usage counts as "internet". nullptr when there is none.
const OperatorAccessPoint* FirstAccessPoint(const OperatorProvider& provider,
                                            const std::string& usage);

}  // namespace quelmo
