#pragma once
// Saving several files into one folder in a row. Each safe write ends by
// syncing the folder so that its rename survives a power cut; a run of
// writes needs that only once, after the last one. This file layer passes
// every call on but SyncFolder, which it notes; SyncNotedFolders then syncs
// each noted folder once. Each file stays whole either way: a rename is one
// step whether or not it has reached the disk.

#include <filesystem>
#include <vector>

#include "platform/file_system.h"

namespace quelmo {

class FolderSyncBatch final : public FileSystem {
 public:
  explicit FolderSyncBatch(FileSystem& files) : files_(files) {}

  // Syncs every folder noted since the last call, each once; the first
  // failure is returned, and the remaining folders are still synced.
  Status SyncNotedFolders();

  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) override {
    return files_.Create(path);
  }
  Result<std::vector<std::uint8_t>> ReadAll(const std::filesystem::path& path) override {
    return files_.ReadAll(path);
  }
  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                    std::uintmax_t limit) override {
    return files_.ReadRegularFile(path, limit);
  }
  Result<std::unique_ptr<FolderLock>> LockFolder(const std::filesystem::path& folder,
                                                 std::chrono::milliseconds wait) override {
    return files_.LockFolder(folder, wait);
  }
  Status Replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return files_.Replace(from, to);
  }
  Status Remove(const std::filesystem::path& path) override { return files_.Remove(path); }
  Status SyncFolder(const std::filesystem::path& folder) override;
  bool Exists(const std::filesystem::path& path) override { return files_.Exists(path); }
  Status CheckWritableFolder(const std::filesystem::path& folder) override {
    return files_.CheckWritableFolder(folder);
  }

 private:
  FileSystem& files_;
  std::vector<std::filesystem::path> noted_;
};

}  // namespace quelmo
