#pragma once
// The preference key kept as a small text file, for systems without a
// registry (its form: preference_file_format.h). The rules of the eight
// operations hold unchanged:
//
// - A missing file is a missing key. A file that is not a regular file of a
//   few kilobytes (a pipe, a device, a huge file), or that cannot be read,
//   or a folder that may not be written, makes the key impossible to open,
//   as an unwritable registry key is: the program runs on its defaults and
//   the file is left alone.
// - A link is followed: the file it points to is the one read and replaced,
//   in that file's own folder, so that a dotfile manager's copy stays linked.
// - Every change reads the file afresh and rewrites it atomically, under the
//   folder's lock, so that programs starting together keep each other's
//   values. A file in the old form is rewritten in the new one when opened.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/file_system.h"
#include "session/preference_store.h"

namespace quelmo {

inline constexpr std::string_view kPreferenceFileName = "preferences";
// A hand-edited file with comments stays far below this.
inline constexpr std::uintmax_t kPreferenceFileLimit = 64 * 1024;
// Another start-up holds the lock for milliseconds.
inline constexpr std::chrono::milliseconds kPreferenceLockWait{2000};

class FilePreferenceBackend final : public PreferenceBackend {
 public:
  FilePreferenceBackend(std::filesystem::path folder, FileSystem& files);

  std::unique_ptr<PreferenceKey> Open() override;
  bool Create() override;

  std::filesystem::path FilePath() const { return folder_ / kPreferenceFileName; }

 private:
  std::filesystem::path folder_;
  FileSystem& files_;
};

// The file a chain of links ends at; `path` itself when it is no link (or
// the chain loops, so that reading it fails).
std::filesystem::path FollowLinks(const std::filesystem::path& path);

// $XDG_CONFIG_HOME/quelmo when that is an absolute path, else
// <home>/.config/quelmo.
std::filesystem::path PreferenceFolderFrom(std::string_view xdg_config_home, std::string_view home);

}  // namespace quelmo
