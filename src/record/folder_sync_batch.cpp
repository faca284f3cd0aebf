#include "record/folder_sync_batch.h"

#include <algorithm>

namespace quelmo {

Status FolderSyncBatch::SyncFolder(const std::filesystem::path& folder) {
  if (std::ranges::find(noted_, folder) == noted_.end()) noted_.push_back(folder);
  return Status::Ok();
}

Status FolderSyncBatch::SyncNotedFolders() {
  Status first_failure;
  for (const auto& folder : noted_) {
    Status synced = files_.SyncFolder(folder);
    if (!synced.ok() && first_failure.ok()) first_failure = std::move(synced);
  }
  noted_.clear();
  return first_failure;
}

}  // namespace quelmo
