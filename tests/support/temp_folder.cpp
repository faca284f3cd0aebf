#include "support/temp_folder.h"

#include <atomic>
#include <random>
#include <stdexcept>
#include <system_error>

namespace quelmo {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  static const unsigned tag = std::random_device{}();
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / ("quelmo-test-" + std::to_string(tag) + "-" + std::to_string(++counter));
    std::error_code error;
    if (std::filesystem::create_directory(path_, error)) return;
  }
  throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Tests may take permissions away; give them back so the folder can go.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::set<std::string> TempFolder::Entries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace quelmo
