#include "operators/operator_database_reader.h"

#include <string>
#include <string_view>
#include <vector>

#include "operators/xml_events.h"
#include "operators/xml_document_checks.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

Error Refused(std::string why) { return Error{ErrorCode::kCorrupt, std::move(why)}; }

std::string_view AttributeOf(std::span<const XmlAttribute> attributes, std::string_view name) {
  for (const auto& attribute : attributes) {
    if (attribute.name == name) return attribute.value;
  }
  return {};
}

bool HasAttribute(std::span<const XmlAttribute> attributes, std::string_view name) {
  for (const auto& attribute : attributes) {
    if (attribute.name == name) return true;
  }
  return false;
}

std::string Trimmed(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool IsCountryCode(std::string_view code) {
  if (code.size() != 2) return false;
  for (char c : code) {
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// One provider <name>, kept until the provider ends: the main name is the
// first without xml:lang, which need not come first.
struct ProviderName {
  std::string text;
  bool hasLanguage = false;
};

class DatabaseBuilder final : public XmlEventHandler {
 public:
  explicit DatabaseBuilder(const OperatorDatabaseLimits& limits) : limits_(limits) {}

  Status StartElement(std::string_view name, std::span<const XmlAttribute> attributes) override {
    if (path_.size() >= limits_.depth) {
      return Refused("elements nested deeper than " + std::to_string(limits_.depth));
    }
    for (const auto& attribute : attributes) {
      if (attribute.value.size() > limits_.textBytes) {
        return Refused("the attribute " + EscapeForTerminal(attribute.name) + " of <" +
                       EscapeForTerminal(name) +
                       "> is longer than " + std::to_string(limits_.textBytes) + " bytes");
      }
    }
    path_.emplace_back(name);
    text_ = nullptr;

    // Only elements at their place in the tree count: serviceproviders /
    // country / provider / (name | network-id | gsm / (network-id | apn / ...)).
    const std::size_t depth = path_.size();
    const std::string_view parent = depth >= 2 ? std::string_view(path_[depth - 2]) : std::string_view();
    if (depth == 1) {
      if (name != "serviceproviders") {
        return Refused("not a list of service providers: its root is <" + EscapeForTerminal(name) +
                       ">");
      }
    } else if (depth == 2 && name == "country") {
      return StartCountry(attributes);
    } else if (depth == 3 && name == "provider" && parent == "country") {
      return StartProvider();
    } else if (depth == 4 && name == "name" && provider_) {
      if (names_.size() >= limits_.perProvider) return TooMany("names in one provider");
      names_.push_back({{}, HasAttribute(attributes, "xml:lang")});
      text_ = &names_.back().text;
    } else if (name == "network-id" && provider_ &&
               (depth == 4 || (depth == 5 && parent == "gsm"))) {
      if (provider_->networkIds.size() >= limits_.perProvider) {
        return TooMany("network ids in one provider");
      }
      provider_->networkIds.push_back(
          {std::string(AttributeOf(attributes, "mcc")), std::string(AttributeOf(attributes, "mnc"))});
    } else if (depth == 5 && name == "apn" && parent == "gsm" && provider_) {
      return StartAccessPoint(attributes);
    } else if (depth == 6 && parent == "apn" && accessPoint_) {
      StartAccessPointField(name, attributes);
    }
    return Status::Ok();
  }

  Status EndElement(std::string_view name) override {
    text_ = nullptr;
    const std::size_t depth = path_.size();
    path_.pop_back();
    if (depth == 3 && name == "provider" && provider_) return EndProvider();
    if (depth == 5 && name == "apn") accessPoint_ = nullptr;
    return Status::Ok();
  }

  Status Text(std::string_view text) override {
    if (text_ == nullptr) return Status::Ok();
    if (text_->size() + text.size() > limits_.textBytes) {
      return Refused("the text of <" + EscapeForTerminal(path_.back()) + "> is longer than " +
                     std::to_string(limits_.textBytes) + " bytes");
    }
    text_->append(text);
    return Status::Ok();
  }

  Result<OperatorDatabase> Finish() && {
    if (database_.countries.empty()) return Refused("lists no country");
    return std::move(database_);
  }

 private:
  Status TooMany(const std::string& what) const {
    return Refused("more " + what + " than the " + std::to_string(limits_.perProvider) +
                   " a database may hold");
  }

  bool HasCountry(std::string_view code) const {
    for (const OperatorCountry& country : database_.countries) {
      if (country.code == code) return true;
    }
    return false;
  }

  Status StartCountry(std::span<const XmlAttribute> attributes) {
    if (database_.countries.size() >= limits_.countries &&
        !HasCountry(Lower(AttributeOf(attributes, "code")))) {
      return Refused("more than " + std::to_string(limits_.countries) + " countries");
    }
    const auto code = AttributeOf(attributes, "code");
    if (!IsCountryCode(code)) {
      return Refused("a <country> whose code " + QuotedForTerminal(code.substr(0, 40)) +
                     " is not two letters");
    }
    // A country given twice is one country: its providers are listed,
    // searched and chosen together.
    const std::string lower = Lower(code);
    for (std::size_t i = 0; i < database_.countries.size(); ++i) {
      if (database_.countries[i].code == lower) {
        country_ = i;
        return Status::Ok();
      }
    }
    country_ = database_.countries.size();
    database_.countries.push_back({lower, {}});
    return Status::Ok();
  }

  Status StartProvider() {
    if (providerCount_ >= limits_.providers) {
      return Refused("more than " + std::to_string(limits_.providers) + " providers");
    }
    ++providerCount_;
    provider_ = &database_.countries[country_].providers.emplace_back();
    names_.clear();
    return Status::Ok();
  }

  Status EndProvider() {
    const ProviderName* main = nullptr;
    for (const auto& name : names_) {
      if (!name.hasLanguage) {
        main = &name;
        break;
      }
    }
    if (main == nullptr && !names_.empty()) main = &names_.front();
    if (main == nullptr || Trimmed(main->text).empty()) {
      return Refused("a provider in \"" + database_.countries[country_].code + "\" has no name");
    }
    provider_->name = Trimmed(main->text);
    for (const auto& name : names_) {
      if (&name != main) provider_->otherNames.push_back(Trimmed(name.text));
    }
    names_.clear();
    provider_ = nullptr;
    return Status::Ok();
  }

  Status StartAccessPoint(std::span<const XmlAttribute> attributes) {
    if (accessPointCount_ >= limits_.accessPoints) {
      return Refused("more than " + std::to_string(limits_.accessPoints) + " access points");
    }
    if (provider_->accessPoints.size() >= limits_.perProvider) return TooMany("access points in one provider");
    ++accessPointCount_;
    accessPoint_ = &provider_->accessPoints.emplace_back();
    accessPoint_->apn = Trimmed(AttributeOf(attributes, "value"));
    return Status::Ok();
  }

  void StartAccessPointField(std::string_view name, std::span<const XmlAttribute> attributes) {
    if (name == "usage") {
      // The first usage stands; the file gives one per access point.
      if (accessPoint_->usage.empty()) accessPoint_->usage = Trimmed(AttributeOf(attributes, "type"));
    } else if (name == "username") {
      text_ = &accessPoint_->username;
    } else if (name == "password") {
      text_ = &accessPoint_->password;
    } else if (name == "mmsc") {
      text_ = &accessPoint_->mmsc;
    } else if (name == "mmsproxy") {
      text_ = &accessPoint_->mmsProxy;
    }
    if (text_ != nullptr) text_->clear();  // a repeated field: the last one stands
  }

  const OperatorDatabaseLimits& limits_;
  OperatorDatabase database_;
  std::vector<std::string> path_;
  std::vector<ProviderName> names_;
  OperatorProvider* provider_ = nullptr;
  OperatorAccessPoint* accessPoint_ = nullptr;
  std::string* text_ = nullptr;  // where character data goes, if anywhere
  std::size_t country_ = 0;  // into database_.countries: the one open
  std::size_t providerCount_ = 0;
  std::size_t accessPointCount_ = 0;
};

void TrimAccessPointTexts(OperatorDatabase& database) {
  for (auto& country : database.countries) {
    for (auto& provider : country.providers) {
      for (auto& accessPoint : provider.accessPoints) {
        for (std::string* text : {&accessPoint.username, &accessPoint.password, &accessPoint.mmsc,
                                  &accessPoint.mmsProxy}) {
          *text = Trimmed(*text);
        }
      }
    }
  }
}

}  // namespace

Result<OperatorDatabase> ParseOperatorDatabase(std::span<const std::uint8_t> document,
                                               const OperatorDatabaseLimits& limits) {
  if (auto checked = CheckXmlDocument(document); !checked.ok()) return checked.error();
  DatabaseBuilder builder(limits);
  if (auto parsed = ParseXml(document, builder); !parsed.ok()) return parsed.error();
  auto database = std::move(builder).Finish();
  if (database.ok()) TrimAccessPointTexts(database.value());
  return database;
}

}  // namespace quelmo
