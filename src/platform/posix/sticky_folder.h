#pragma once
// Who may replace or remove a file in a folder with the sticky bit (as /tmp
// has, or a shared card mounted so): the file's owner, the folder's owner and
// root; a rename over anyone else's file fails with EPERM. Kept apart from
// the system calls so that the rule can be checked for users a test cannot
// become.

#include <sys/stat.h>
#include <sys/types.h>

namespace quelmo {

struct FolderOwnership {
  mode_t mode;
  uid_t owner;
};

inline bool StickyFolderKeepsOut(FolderOwnership folder, uid_t file_owner, uid_t user) {
  if ((folder.mode & S_ISVTX) == 0) return false;
  return user != 0 && user != file_owner && user != folder.owner;
}

}  // namespace quelmo
