#include "cli/import_command.h"

#include <vector>

#include "cli/exit_codes.h"
#include "cli/out_folder.h"
#include "cli/profile.h"
#include "cli/write_command.h"
#include "record/file_batch.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli import: ";

struct PlannedFile {
  std::string name;  // "camera.dat"
  PreparedWrite prepared;
};

std::string NameList(const std::vector<std::string>& names) {
  if (names.empty()) return "none";
  std::string list;
  for (const auto& name : names) list += (list.empty() ? "" : ", ") + name;
  return list;
}

class ImportRun {
 public:
  ImportRun(const ImportOptions& options, const CliEnvironment& environment, std::ostream& out,
            std::ostream& err)
      : options_(options), environment_(environment), out_(out), err_(err) {}

  int Run() {
    auto profile = LoadJsonFile(environment_.inputs, PathFromUtf8(options_.profilePath), "profile");
    if (!profile.ok()) return NothingWritten(kExitBadInput, profile.message());
    auto kinds = ReadProfile(*profile);
    if (!kinds.ok()) return NothingWritten(kExitBadInput, options_.profilePath + ": " + kinds.message());

    // Every kind is checked before the first file is written.
    std::vector<PlannedFile> planned;
    for (ProfileKind& entry : *kinds) {
      if (options_.clockNow && !entry.kind->clockKey.empty()) {
        entry.document.settings.erase(std::string(entry.kind->clockKey));
      }
      WriteOptions write;
      write.kind = entry.kind;
      write.language = options_.language;
      PreparedWrite prepared = PrepareWrite(write, entry.document, environment_.clock);
      const std::string kind(entry.kind->name);
      if (prepared.refusal == kExitCheckFailed) {
        // The form's own message stays the last line, as with write.
        return NothingWritten(kExitCheckFailed, "the " + kind +
                                                    " settings fail the form's save check:\n" +
                                                    prepared.message);
      }
      if (prepared.refusal != kExitOk) return NothingWritten(kExitBadInput, kind + ": " + prepared.message);
      planned.push_back({std::string(entry.kind->fileName), std::move(prepared)});
    }

    auto folder = ResolveOutFolder(options_.outFolder, environment_.volumes);
    if (!folder.ok()) return NothingWritten(kExitBadInput, folder.message());
    return WriteAll(planned, *folder);
  }

 private:
  int WriteAll(const std::vector<PlannedFile>& planned, const std::filesystem::path& folder) {
    std::vector<FileToWrite> batch;
    for (const PlannedFile& file : planned) {
      batch.push_back({file.name, file.prepared.bytes, file.prepared.staging});
    }
    const BatchOutcome outcome = WriteFilesTogether(environment_.files, folder, batch);
    for (const auto& name : outcome.written) {
      out_ << "Wrote " << PathToUtf8(folder / PathFromUtf8(name)) << "\n";
    }

    if (!outcome.failure.ok()) {
      // The whole summary whatever failed: a script learns what the card holds.
      err_ << kPrefix << (outcome.written.empty() ? "nothing was written: " : "")
           << outcome.failure.message() << "\n"
           << kPrefix << "written: " << NameList(outcome.written)
           << "; not written, left as they were: " << NameList(outcome.notWritten) << "\n";
      if (!outcome.synced.ok()) {
        err_ << kPrefix << "the files written may not be on the disk yet: "
             << outcome.synced.message() << "\n";
      }
      return kExitWriteFailed;
    }
    if (!outcome.synced.ok()) {
      err_ << kPrefix << "the files are written but may not be on the disk yet: "
           << outcome.synced.message() << "\n";
      return kExitWriteFailed;
    }
    return kExitOk;
  }

  int NothingWritten(int status, const std::string& message) {
    err_ << kPrefix << "nothing was written: " << message << "\n";
    return status;
  }

  const ImportOptions& options_;
  const CliEnvironment& environment_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace

int RunImport(const ImportOptions& options, const CliEnvironment& environment, std::ostream& out,
              std::ostream& err) {
  return ImportRun(options, environment, out, err).Run();
}

}  // namespace quelmo
