#pragma once
// Writing one or more setting files into a folder as one save, so that a
// failure changes as few of them as the file system allows:
//
// 1. Before anything is written, every name is looked at: a folder, pipe,
//    device or socket where a file goes, or a file the folder's sticky bit
//    keeps from this user, stops the save with nothing changed.
// 2. Each new file is written to a temporary file beside its final one,
//    created exclusively and synced. A file staged through setup.dat (see
//    staged_write.h) first has its plain records written there and read
//    back; an old setup.dat is removed first, never written through.
// 3. Only when every temporary file is made are they renamed into place, in
//    order, each in one step; setup.dat is removed and the folder is synced
//    once, last, so that the renames survive a power cut.
//
// The folder's save lock is held throughout. A failure before the renames
// leaves every file as it was; one at a rename leaves the files before it
// new and the rest old. No temporary file outlives the call, nor setup.dat
// unless another program made it.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"

namespace quelmo {

struct FileToWrite {
  std::string_view name;                // "mms.dat"
  std::span<const std::uint8_t> bytes;  // the file as it ends up on disk
  // setup.dat's bytes while the file is made; empty for a file not staged.
  std::span<const std::uint8_t> staging;
};

struct BatchOutcome {
  std::vector<std::string> written;     // in place, in the batch's order
  std::vector<std::string> notWritten;  // left as they were
  // The step that failed, naming its path; ok when every file is in place
  // and nothing stays behind.
  Status failure;
  // The folder's sync after the renames; ok when nothing was renamed.
  Status synced;
};

// Checks the folder and takes its save lock, then writes the batch.
BatchOutcome WriteFilesTogether(FileSystem& files, const std::filesystem::path& folder,
                                std::span<const FileToWrite> batch);

// The same for a caller that has checked the folder and holds its save lock.
BatchOutcome WriteFilesTogetherLocked(FileSystem& files, const std::filesystem::path& folder,
                                      std::span<const FileToWrite> batch);

// A batch's outcome as one Status: its failure, else the folder sync's, with
// word that the files are written all the same.
Status BatchStatus(const BatchOutcome& outcome, const std::filesystem::path& folder);

}  // namespace quelmo
