#include "cli/write_command.h"

#include "cli/exit_codes.h"
#include "cli/operator_option.h"
#include "cli/out_folder.h"
#include "record/file_batch.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli write: ";

int ExitStatusOf(PreparedFile::Refusal refusal) {
  switch (refusal) {
    case PreparedFile::Refusal::kNone: return kExitOk;
    case PreparedFile::Refusal::kBadSettings: return kExitBadInput;
    case PreparedFile::Refusal::kCheckFailed: return kExitCheckFailed;
  }
  return kExitBadInput;
}

int BadUsage(std::ostream& err, const std::string& message) {
  err << kPrefix << message << "\n";
  return kExitBadInput;
}

}  // namespace

PreparedWrite PrepareWrite(const WriteOptions& options, const SettingsDocument& document,
                           const LocalClock& clock) {
  const WriteRequest request{document.settings,
                             options.writeDefault || document.isDefaultFile,
                             options.language,
                             options.overrides,
                             clock};
  PreparedFile prepared = options.kind->prepare(request);
  return PreparedWrite{ExitStatusOf(prepared.refusal), std::move(prepared.message),
                       std::move(prepared.bytes), std::move(prepared.staging)};
}

int RunWrite(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  if (options.writeDefault && !options.kind->hasDefaultFile) {
    std::string kinds;
    for (FileKind kind : AllFileKinds()) {
      if (kind->hasDefaultFile) kinds += (kinds.empty() ? "" : ", ") + std::string(kind->name);
    }
    return BadUsage(err, "--default writes a default file, which only these kinds have: " + kinds);
  }
  if (options.writeDefault && options.settingsPath) {
    return BadUsage(err, "--default and --settings exclude each other: the default file carries "
                         "no settings");
  }
  SettingsDocument document;
  if (options.settingsPath) {
    auto loaded = LoadSettingsDocument(environment.inputs, PathFromUtf8(*options.settingsPath),
                                       options.kind);
    if (!loaded.ok()) return BadUsage(err, loaded.message());
    document = std::move(loaded).value();
  }
  if (options.operatorChoice) {
    if (options.writeDefault) {
      return BadUsage(err, "--default and --operator exclude each other: the default file carries "
                           "no settings");
    }
    std::string warning;
    Status applied = ApplyOperatorOption(options.kind, *options.operatorChoice,
                                         environment.operatorDatabase, document.settings, &warning);
    if (!applied.ok()) return BadUsage(err, applied.message());
    if (!warning.empty()) err << kPrefix << "warning: " << warning << "\n";
  }
  const std::string file_name(options.kind->fileName);
  PreparedWrite prepared = PrepareWrite(options, document, environment.clock);
  if (prepared.refusal == kExitCheckFailed) {
    // The form's own message stays the last line, for scripts to pick up.
    err << kPrefix << file_name << " was not written; the form's save check says:\n"
        << prepared.message << "\n";
    return kExitCheckFailed;
  }
  if (prepared.refusal != kExitOk) return BadUsage(err, prepared.message);

  auto folder = ResolveOutFolder(options.outFolder, environment.volumes);
  if (!folder.ok()) return BadUsage(err, folder.message());
  const FileToWrite file{file_name, prepared.bytes, prepared.staging};
  const BatchOutcome outcome = WriteFilesTogether(environment.files, *folder, {&file, 1});
  if (Status written = BatchStatus(outcome, *folder); !written.ok()) {
    err << kPrefix << file_name << " could not be written: " << written.message() << "\n";
    return kExitWriteFailed;
  }
  out << "Wrote " << PathToUtf8(*folder / file_name) << "\n";
  return kExitOk;
}

}  // namespace quelmo
