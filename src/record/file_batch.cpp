#include "record/file_batch.h"

#include <algorithm>
#include <memory>

#include "record/staged_write.h"
#include "record/write_steps.h"

namespace quelmo {
namespace {

// setup.dat through a save: made anew for each file staged in it and removed
// at the end, unless another program made it.
class ScratchFile {
 public:
  ScratchFile(FileSystem& files, const std::filesystem::path& folder)
      : files_(files), path_(folder / PathFromUtf8(kStagingFileName)) {}

  Status Stage(std::span<const std::uint8_t> bytes) {
    // A setup.dat already there is what a stopped save left, or the file
    // before in this batch; it is removed rather than truncated, and the new
    // one is created exclusively: writing through the name would carry the
    // plain records into whatever a link named setup.dat points to.
    if (Status removed = files_.Remove(path_); !removed.ok()) {
      state_ = State::kNotOurs;
      return Error{removed.error().code,
                   "Nothing was saved: the old scratch file stays behind, as it could not be "
                   "removed. " + removed.message()};
    }
    const Status staged = WriteAndReadBack(files_, path_, bytes);
    // A scratch file this save did not make is not its own to remove.
    if (!staged.ok() && staged.error().code == ErrorCode::kBusy) {
      state_ = State::kNotOurs;
      return Error{ErrorCode::kBusy, "Nothing was saved. " + staged.message()};
    }
    state_ = State::kOurs;
    return staged;
  }

  // Removes the scratch file when this save made it; `outcome` comes back
  // with word of it when it stays behind.
  Status RemoveAfter(const Status& outcome) {
    if (state_ != State::kOurs) return outcome;
    state_ = State::kGone;
    if (!outcome.ok()) return quelmo::RemoveAfter(files_, path_, "scratch file", outcome);
    const Status removed = files_.Remove(path_);
    if (removed.ok()) return outcome;
    return Error{removed.error().code,
                 "The files are saved, but the scratch file stays behind: " + removed.message()};
  }

 private:
  enum class State { kUnused, kOurs, kNotOurs, kGone };
  FileSystem& files_;
  std::filesystem::path path_;
  State state_ = State::kUnused;
};

std::filesystem::path InFolder(const std::filesystem::path& folder, std::string_view name) {
  return folder / PathFromUtf8(name);
}

bool AnyStaged(std::span<const FileToWrite> batch) {
  return std::ranges::any_of(batch, [](const FileToWrite& file) { return !file.staging.empty(); });
}

Status CheckNames(std::span<const FileToWrite> batch) {
  for (const FileToWrite& file : batch) {
    if (!IsPlainFileName(file.name)) return NotAFileName(file.name);
    // The scratch file is removed at the end, so it cannot be the result.
    if (file.name == kStagingFileName) {
      return Error{ErrorCode::kInvalidArgument, std::string(kStagingFileName) +
                                                    " is the scratch file and cannot be saved to."};
    }
  }
  return Status::Ok();
}

// What stands where a file goes is seen before anything is written.
Status CheckPlaces(FileSystem& files, const std::filesystem::path& folder,
                   std::span<const FileToWrite> batch) {
  for (const FileToWrite& file : batch) {
    if (Status free = files.CheckReplaceable(InFolder(folder, file.name)); !free.ok()) return free;
  }
  if (AnyStaged(batch)) return files.CheckReplaceable(InFolder(folder, kStagingFileName));
  return Status::Ok();
}

// Whether `path` holds `bytes`. Read bounded and without waiting, so that a
// pipe or a link to a device in the file's place cannot stall the report.
bool Holds(FileSystem& files, const std::filesystem::path& path,
           std::span<const std::uint8_t> bytes) {
  const auto found = files.ReadRegularFile(path, bytes.size() + 1);
  return found.ok() && std::ranges::equal(*found, bytes);
}

BatchOutcome NothingWritten(std::span<const FileToWrite> batch, Status failure) {
  BatchOutcome outcome;
  for (const FileToWrite& file : batch) outcome.notWritten.emplace_back(file.name);
  outcome.failure = std::move(failure);
  return outcome;
}

}  // namespace

BatchOutcome WriteFilesTogether(FileSystem& files, const std::filesystem::path& folder,
                                std::span<const FileToWrite> batch) {
  if (Status named = CheckNames(batch); !named.ok()) return NothingWritten(batch, named);
  if (Status usable = files.CheckWritableFolder(folder); !usable.ok()) {
    return NothingWritten(batch, usable);
  }
  // Held to the end: two saves into one folder share the scratch file name.
  Result<std::unique_ptr<FolderLock>> lock = files.LockFolder(folder, kSaveLockWait);
  if (!lock.ok()) return NothingWritten(batch, lock.status());
  return WriteFilesTogetherLocked(files, folder, batch);
}

BatchOutcome WriteFilesTogetherLocked(FileSystem& files, const std::filesystem::path& folder,
                                      std::span<const FileToWrite> batch) {
  if (Status named = CheckNames(batch); !named.ok()) return NothingWritten(batch, named);
  if (Status free = CheckPlaces(files, folder, batch); !free.ok()) {
    return NothingWritten(batch, free);
  }

  ScratchFile scratch(files, folder);
  std::vector<std::filesystem::path> temporaries;
  Status made;
  for (const FileToWrite& file : batch) {
    if (!file.staging.empty()) {
      made = scratch.Stage(file.staging);
      if (!made.ok()) break;
    }
    temporaries.push_back(InFolder(folder, TemporaryName(file.name)));
    made = WriteAndSync(files, temporaries.back(), file.bytes);
    if (!made.ok()) break;
  }
  if (!made.ok()) {
    for (const auto& temporary : temporaries) {
      made = RemoveAfter(files, temporary, "temporary file", made);
    }
    return NothingWritten(batch, scratch.RemoveAfter(made));
  }

  BatchOutcome outcome;
  std::size_t next = 0;
  for (; next < batch.size(); ++next) {
    const std::filesystem::path final_path = InFolder(folder, batch[next].name);
    Status replaced = files.Replace(temporaries[next], final_path);
    if (replaced.ok()) {
      outcome.written.emplace_back(batch[next].name);
      continue;
    }
    outcome.failure = RemoveAfter(files, temporaries[next], "temporary file", replaced);
    // A rename reported as failed may still have been done (over a network,
    // say): what the folder holds tells.
    (Holds(files, final_path, batch[next].bytes) ? outcome.written : outcome.notWritten)
        .emplace_back(batch[next].name);
    break;
  }
  // After a failed rename, the files after it stay as they were.
  for (std::size_t rest = next + 1; rest < batch.size(); ++rest) {
    outcome.notWritten.emplace_back(batch[rest].name);
    outcome.failure = RemoveAfter(files, temporaries[rest], "temporary file", outcome.failure);
  }
  outcome.failure = scratch.RemoveAfter(outcome.failure);
  if (!outcome.written.empty()) outcome.synced = files.SyncFolder(folder);
  return outcome;
}

Status BatchStatus(const BatchOutcome& outcome, const std::filesystem::path& folder) {
  if (!outcome.failure.ok()) return outcome.failure;
  if (outcome.synced.ok()) return Status::Ok();
  std::string written;
  for (const auto& name : outcome.written) {
    written.append(written.empty() ? "" : ", ").append(PathToUtf8(InFolder(folder, name)));
  }
  return Error{outcome.synced.error().code,
               outcome.synced.message() + " (" + written +
                   (outcome.written.size() == 1 ? " is" : " are") +
                   " written but may not be on the disk yet)"};
}

}  // namespace quelmo
