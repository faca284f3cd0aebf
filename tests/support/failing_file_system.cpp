#include "support/failing_file_system.h"

#include <string>

namespace quelmo {

std::string_view FileStepName(FileStep step) {
  switch (step) {
    case FileStep::kCheckFolder:
      return "check-folder";
    case FileStep::kCreate:
      return "create";
    case FileStep::kWrite:
      return "write";
    case FileStep::kSync:
      return "sync";
    case FileStep::kClose:
      return "close";
    case FileStep::kRead:
      return "read";
    case FileStep::kReplace:
      return "replace";
    case FileStep::kRemove:
      return "remove";
    case FileStep::kSyncFolder:
      return "sync-folder";
    case FileStep::kLock:
      return "lock";
  }
  return "?";
}

class FailingWritableFile final : public WritableFile {
 public:
  FailingWritableFile(FailingFileSystem& owner, std::unique_ptr<WritableFile> real,
                      std::filesystem::path path)
      : owner_(owner), real_(std::move(real)), path_(std::move(path)) {}

  Status Write(std::span<const std::uint8_t> bytes) override {
    if (!owner_.Next(FileStep::kWrite, path_)) return real_->Write(bytes);
    if (owner_.fault_ == Fault::kCorrupt && !bytes.empty()) {
      std::vector<std::uint8_t> altered(bytes.begin(), bytes.end());
      altered[altered.size() / 2] ^= 0x10;
      return real_->Write(altered);
    }
    // A device that fills up mid-write: half the bytes reach the file.
    if (Status partial = real_->Write(bytes.first(bytes.size() / 2)); !partial.ok()) return partial;
    return owner_.InjectedError(FileStep::kWrite, path_);
  }

  Status Sync() override {
    if (owner_.Next(FileStep::kSync, path_)) return owner_.InjectedError(FileStep::kSync, path_);
    return real_->Sync();
  }

  // A failing close still lets go of the file, as close() does.
  Status Close() override {
    const bool fail = owner_.Next(FileStep::kClose, path_);
    Status closed = real_->Close();
    if (fail) return owner_.InjectedError(FileStep::kClose, path_);
    return closed;
  }

 private:
  FailingFileSystem& owner_;
  std::unique_ptr<WritableFile> real_;
  std::filesystem::path path_;
};

bool FailingFileSystem::Next(FileStep step, const std::filesystem::path& path) {
  steps_.push_back({step, path});
  if (before_) before_(steps_.back());
  return steps_.size() == fault_step_;
}

Error FailingFileSystem::InjectedError(FileStep step, const std::filesystem::path& path) const {
  return Error{ErrorCode::kIoError, "Cannot " + std::string(FileStepName(step)) + " " +
                                        PathToUtf8(path) + ": injected failure at step " +
                                        std::to_string(steps_.size())};
}

std::string FailingFileSystem::Describe(std::size_t step) const {
  if (step == 0 || step > steps_.size()) return "step " + std::to_string(step) + " (not taken)";
  const StepRecord& record = steps_[step - 1];
  return std::to_string(step) + " " + std::string(FileStepName(record.step)) + " " +
         PathToUtf8(record.path);
}

Result<std::unique_ptr<WritableFile>> FailingFileSystem::Create(const std::filesystem::path& path) {
  if (Next(FileStep::kCreate, path)) return InjectedError(FileStep::kCreate, path);
  Result<std::unique_ptr<WritableFile>> real = real_.Create(path);
  if (!real.ok()) return real.error();
  return std::unique_ptr<WritableFile>(
      std::make_unique<FailingWritableFile>(*this, std::move(*real), path));
}

Result<std::vector<std::uint8_t>> FailingFileSystem::ReadRegularFile(
    const std::filesystem::path& path, std::uintmax_t limit) {
  if (!Next(FileStep::kRead, path)) return real_.ReadRegularFile(path, limit);
  if (fault_ != Fault::kCorrupt) return InjectedError(FileStep::kRead, path);
  Result<std::vector<std::uint8_t>> bytes = real_.ReadRegularFile(path, limit);
  if (bytes.ok() && !bytes->empty()) (*bytes)[bytes->size() / 2] ^= 0x10;
  return bytes;
}

Result<std::unique_ptr<FolderLock>> FailingFileSystem::LockFolder(
    const std::filesystem::path& folder, std::chrono::milliseconds wait) {
  if (Next(FileStep::kLock, folder)) return InjectedError(FileStep::kLock, folder);
  return real_.LockFolder(folder, wait);
}

Status FailingFileSystem::Replace(const std::filesystem::path& from,
                                  const std::filesystem::path& to) {
  if (Next(FileStep::kReplace, to)) return InjectedError(FileStep::kReplace, to);
  return real_.Replace(from, to);
}

Status FailingFileSystem::Remove(const std::filesystem::path& path) {
  if (Next(FileStep::kRemove, path)) return InjectedError(FileStep::kRemove, path);
  return real_.Remove(path);
}

Status FailingFileSystem::SyncFolder(const std::filesystem::path& folder) {
  if (Next(FileStep::kSyncFolder, folder)) return InjectedError(FileStep::kSyncFolder, folder);
  return real_.SyncFolder(folder);
}

Status FailingFileSystem::CheckWritableFolder(const std::filesystem::path& folder) {
  if (Next(FileStep::kCheckFolder, folder)) return InjectedError(FileStep::kCheckFolder, folder);
  return real_.CheckWritableFolder(folder);
}

bool ReadAgainLater(const std::vector<StepRecord>& steps, std::size_t step) {
  const std::filesystem::path& path = steps[step - 1].path;
  for (std::size_t later = step; later < steps.size(); ++later) {
    if (steps[later].step == FileStep::kRead && steps[later].path == path) return true;
  }
  return false;
}

}  // namespace quelmo
