#include "cli/show_command.h"

#include "cli/exit_codes.h"
#include "cli/terminal_json.h"
#include "platform/file_system.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

std::string Dump(const Json& value) { return JsonForTerminal(value, -1); }

const char* OkOrNot(bool ok) { return ok ? "ok" : "WRONG"; }

void PrintText(const ShowOptions& options, const DecodedFile& decoded, std::ostream& out) {
  const FileIntegrity& integrity = decoded.integrity;
  out << "File: " << EscapeForTerminal(options.path) << "\n";
  out << "Kind: " << decoded.kind->fileName << (decoded.isDefault ? ", the default file" : "")
      << ", recognised " << decoded.recognised << "\n";
  out << "State: " << (integrity.intact() ? "intact" : "damaged") << "\n";

  out << "Settings:\n";
  if (decoded.settings.json.empty()) out << "  (none: the default file carries no settings)\n";
  for (const auto& [key, value] : decoded.settings.json.items()) {
    const auto note = decoded.settings.notes.find(key);
    if (value.is_null() && note != decoded.settings.notes.end()) {
      out << "  " << key << ": " << note->second << "\n";
      continue;
    }
    out << "  " << key << ": " << Dump(value);
    if (note != decoded.settings.notes.end()) out << " (" << note->second << ")";
    out << "\n";
  }

  out << "Integrity:\n";
  out << "  size: " << integrity.size << " bytes, expected " << integrity.expectedSize << ": "
      << OkOrNot(integrity.sizeOk) << "\n";
  out << "  line ends: " << OkOrNot(integrity.lineEndsOk) << "\n";
  out << "  check value: stored " << CheckValueText(integrity.checkStored) << ", computed "
      << CheckValueText(integrity.checkComputed) << ": " << OkOrNot(integrity.checkOk) << "\n";
  const auto problems = IntegrityProblems(integrity);
  if (!problems.empty()) {
    out << "Problems:\n";
    for (const auto& problem : problems) out << "  " << problem << "\n";
  }
  if (!integrity.warnings.empty()) {
    out << "Warnings:\n";
    for (const auto& warning : integrity.warnings) out << "  " << warning << "\n";
  }
}

}  // namespace

Json ShowJson(const DecodedFile& decoded) {
  const FileIntegrity& integrity = decoded.integrity;
  Json json = Json::object();
  json["file"] = decoded.kind->name;
  if (decoded.isDefault) json["default"] = true;
  json["settings"] = decoded.settings.json;
  json["integrity"] = {{"size", integrity.size},
                       {"sizeOk", integrity.sizeOk},
                       {"lineEndsOk", integrity.lineEndsOk},
                       {"checkStored", integrity.checkStored},
                       {"checkComputed", integrity.checkComputed},
                       {"checkOk", integrity.checkOk}};
  json["problems"] = IntegrityProblems(integrity);
  json["warnings"] = integrity.warnings;
  return json;
}

int RunShow(const ShowOptions& options, const CliEnvironment& environment, std::ostream& out,
            std::ostream& err) {
  auto decoded = DecodeSettingFile(environment.files, PathFromUtf8(options.path), options.kind, options.reveal);
  if (!decoded.ok()) {
    err << "quelmo-cli show: " << EscapeForTerminal(decoded.message()) << "\n";
    return kExitBadInput;
  }
  if (options.json) {
    out << JsonForTerminal(ShowJson(*decoded)) << "\n";
  } else {
    PrintText(options, *decoded, out);
  }
  return kExitOk;
}

}  // namespace quelmo
