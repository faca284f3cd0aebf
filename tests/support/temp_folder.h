#pragma once
// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes.

#include <filesystem>
#include <set>
#include <string>

namespace quelmo {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Names of the entries directly inside `folder`.
  static std::set<std::string> Entries(const std::filesystem::path& folder);

 private:
  std::filesystem::path path_;
};

}  // namespace quelmo
