#include "record/safe_write.h"

#include <algorithm>
#include <string>

#include "record/file_batch.h"

namespace quelmo {

Status VerifyWritten(FileSystem& files, const std::filesystem::path& path,
                     std::span<const std::uint8_t> bytes) {
  // What the disk gives back is what the camera will read. One byte more
  // than written is enough to tell a longer file.
  Result<std::vector<std::uint8_t>> read_back = files.ReadRegularFile(path, bytes.size() + 1);
  if (!read_back.ok()) return read_back.status();
  if (!std::ranges::equal(*read_back, bytes)) {
    return Error{ErrorCode::kCorrupt, "Reading back " + PathToUtf8(path) + " gave " +
                                          std::to_string(read_back->size()) +
                                          " bytes different from the " +
                                          std::to_string(bytes.size()) +
                                          " bytes this save wrote; the disk or another "
                                          "program changed them."};
  }
  return Status::Ok();
}

Status WriteFileAtomically(FileSystem& files, const std::filesystem::path& folder,
                           std::string_view name, std::span<const std::uint8_t> bytes) {
  const FileToWrite file{name, bytes, {}};
  return BatchStatus(WriteFilesTogether(files, folder, {&file, 1}), folder);
}

Status WriteFileAtomicallyLocked(FileSystem& files, const std::filesystem::path& folder,
                                 std::string_view name, std::span<const std::uint8_t> bytes) {
  const FileToWrite file{name, bytes, {}};
  return BatchStatus(WriteFilesTogetherLocked(files, folder, {&file, 1}), folder);
}

}  // namespace quelmo
