#include "cli/export_command.h"

#include <system_error>
#include <vector>

#include "cli/decoded_file.h"
#include "cli/exit_codes.h"
#include "cli/terminal_json.h"
#include "cli/out_folder.h"
#include "cli/profile.h"
#include "kind/settings_fields.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli export: ";

// Keys whose value show hid: the passwords an import of this profile will lack.
bool HasHiddenValue(const ShownSettings& settings) {
  for (const auto& item : settings.json.items()) {
    if (IsHidden(settings, item.key())) return true;
  }
  return false;
}

}  // namespace

int RunExport(const ExportOptions& options, const CliEnvironment& environment, std::ostream& out,
              std::ostream& err) {
  auto folder = ResolveOutFolder(options.folder, environment.volumes);
  if (!folder.ok()) {
    err << kPrefix << folder.message() << "\n";
    return kExitBadInput;
  }
  std::error_code not_a_folder;
  if (!std::filesystem::is_directory(*folder, not_a_folder)) {
    err << kPrefix << PathToUtf8(*folder) << " is not a folder\n";
    return kExitBadInput;
  }

  Json profile = Json::object();
  int status = kExitOk;
  bool any_file = false;
  std::vector<std::string> hidden;
  for (FileKind kind : AllFileKinds()) {
    const std::filesystem::path path = *folder / kind->fileName;
    if (!environment.files.Exists(path)) continue;
    any_file = true;
    auto decoded = DecodeSettingFile(environment.files, path, kind, options.reveal);
    if (!decoded.ok()) {
      err << kPrefix << decoded.message() << "; not exported\n";
      status = kExitCheckFailed;
      continue;
    }
    if (!decoded->ContentFitsKind()) {
      const ContentKind& content = *decoded->content;
      if (content.kind) {
        // Its values under this kind's keys would be the other kind's
        // settings in the wrong places: imported, they would set up every
        // card wrongly.
        err << kPrefix << PathToUtf8(path) << " looks like " << content.kind->fileName
            << ", not " << kind->fileName << " (" << content.weights
            << "), so it is not exported: a renamed file? show --kind "
            << content.kind->name << " reads it as such\n";
        status = kExitCheckFailed;
        continue;
      }
      err << kPrefix << PathToUtf8(path) << ": " << ContentWarning(*decoded) << "\n";
    }
    if (!decoded->integrity.intact()) {
      err << kPrefix << PathToUtf8(path) << " is damaged, exported as far as it could be read:";
      for (const auto& problem : IntegrityProblems(decoded->integrity)) err << "\n  " << problem;
      err << "\n";
      status = kExitCheckFailed;
    }
    if (HasHiddenValue(decoded->settings)) hidden.emplace_back(kind->name);
    profile[std::string(kind->name)] = ProfileEntry(*decoded);
  }
  if (!any_file) {
    err << kPrefix << PathToUtf8(*folder)
        << " holds no setting file (camera.dat, mms.dat, gprs.dat or sms.dat)\n";
    return kExitBadInput;
  }

  out << JsonForTerminal(profile) << "\n";
  if (!hidden.empty()) {
    std::string kinds;
    for (const auto& kind : hidden) kinds += (kinds.empty() ? "" : ", ") + kind;
    err << kPrefix << "the passwords are hidden (null), so import will refuse this profile's "
        << kinds << " settings; export with --reveal for a profile that can be imported\n";
  }
  return status;
}

}  // namespace quelmo
