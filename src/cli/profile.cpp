#include "cli/profile.h"

#include <string>


namespace quelmo {
namespace {

Error ProfileError(const std::string& message) {
  return Error{ErrorCode::kInvalidArgument, message};
}

std::string KindList() { return FileKindNameList(); }

}  // namespace

Json ProfileEntry(const DecodedFile& decoded) {
  if (!decoded.isDefault) return decoded.settings.json;
  Json entry = Json::object();
  entry["file"] = decoded.kind->name;
  entry["default"] = true;
  entry["settings"] = Json::object();
  return entry;
}

Result<std::vector<ProfileKind>> ReadProfile(const Json& profile) {
  if (!profile.is_object()) {
    return ProfileError("a profile is a JSON object with the keys " + KindList() + ", not " +
                        DescribeJsonValue(profile));
  }
  for (const auto& item : profile.items()) {
    if (FindFileKind(item.key()) == nullptr) {
      return ProfileError("\"" + item.key() + "\" is no kind of setting file; a profile's keys are " +
                          KindList());
    }
  }
  std::vector<ProfileKind> kinds;
  for (FileKind kind : AllFileKinds()) {
    const auto entry = profile.find(std::string(kind->name));
    if (entry == profile.end()) continue;
    auto document = SettingsDocumentFromJson(*entry, kind);
    if (!document.ok()) {
      return ProfileError(std::string(kind->name) + ": " + document.message());
    }
    kinds.push_back({kind, std::move(document).value()});
  }
  if (kinds.empty()) {
    return ProfileError("the profile holds no settings: it needs at least one of the keys " +
                        KindList());
  }
  return kinds;
}

}  // namespace quelmo
