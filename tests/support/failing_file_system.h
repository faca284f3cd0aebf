#pragma once
// A file layer for tests: passes every call on to a real FileSystem, numbers
// each I/O step (1, 2, 3, ...) and can make one chosen step go wrong, either
// failing with an error or silently corrupting the bytes it writes or reads.
// Running a save once with no fault tells how many steps it takes; running
// it again with a fault at each step in turn shows what a failure there
// leaves behind.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace quelmo {

enum class FileStep {
  kCheckFolder,
  kCreate,
  kWrite,
  kSync,
  kClose,
  kRead,
  kReplace,
  kRemove,
  kSyncFolder,
  kLock,
};
std::string_view FileStepName(FileStep step);

enum class Fault {
  kFail,     // the step is not done (a failed write leaves half its bytes) and reports an error
  kCorrupt,  // a write or read flips one bit and reports success; other steps just fail
};

struct StepRecord {
  FileStep step;
  std::filesystem::path path;
};

// Whether the file of step `step` (1-based) is read again by a later step:
// only there can bytes a write silently corrupted be noticed. A save reads
// back only what another program could have rewritten meanwhile (the
// scratch file); what it made exclusively and synced it takes as written.
bool ReadAgainLater(const std::vector<StepRecord>& steps, std::size_t step);

class FailingFileSystem final : public FileSystem {
 public:
  explicit FailingFileSystem(FileSystem& real) : real_(real) {}

  // Makes step `step` (1-based) go wrong; 0 lets every step succeed.
  void FaultAt(std::size_t step, Fault fault = Fault::kFail) {
    fault_step_ = step;
    fault_ = fault;
  }

  // Runs `hook` just before each step, as another program acting on the
  // folder in the middle of a save would.
  void BeforeEachStep(std::function<void(const StepRecord&)> hook) { before_ = std::move(hook); }

  std::size_t step_count() const { return steps_.size(); }
  const std::vector<StepRecord>& steps() const { return steps_; }
  // "7 write /tmp/x/setup.dat", for test failure messages.
  std::string Describe(std::size_t step) const;

  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) override;
  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                    std::uintmax_t limit) override;
  Result<std::unique_ptr<FolderLock>> LockFolder(const std::filesystem::path& folder,
                                                 std::chrono::milliseconds wait) override;
  Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
  Status Remove(const std::filesystem::path& path) override;
  Status SyncFolder(const std::filesystem::path& folder) override;
  bool Exists(const std::filesystem::path& path) override { return real_.Exists(path); }
  // Only looks, so it is no step of its own.
  Status CheckReplaceable(const std::filesystem::path& path) override {
    return real_.CheckReplaceable(path);
  }
  Status CheckWritableFolder(const std::filesystem::path& folder) override;
  Result<FileFacts> LookAt(const std::filesystem::path& path) override { return real_.LookAt(path); }

 private:
  friend class FailingWritableFile;

  // Records the step; true when it is the one to go wrong.
  bool Next(FileStep step, const std::filesystem::path& path);
  Error InjectedError(FileStep step, const std::filesystem::path& path) const;

  FileSystem& real_;
  std::vector<StepRecord> steps_;
  std::size_t fault_step_ = 0;
  Fault fault_ = Fault::kFail;
  std::function<void(const StepRecord&)> before_;
};

}  // namespace quelmo
