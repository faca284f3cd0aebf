#include "platform/linux/mounted_volumes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <system_error>

#include "platform/file_system.h"

namespace quelmo {
namespace {

// Small text files only: the mount table and sysfs attributes, which report
// a size of 0 and so are read to their end rather than by their size.
std::optional<std::string> ReadText(const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
  if (stream.bad()) return std::nullopt;
  return text;
}

std::string Trimmed(std::string text) {
  const auto last = text.find_last_not_of(" \t\r\n");
  text.erase(last == std::string::npos ? 0 : last + 1);
  return text;
}

std::string Attribute(const std::filesystem::path& path) {
  return Trimmed(ReadText(path).value_or(""));
}

// The kernel writes " ", "\t", "\n" and "\\" in names as \040, \011, \012,
// \134. Three octal digits above \377 are no byte, so they stay as written.
std::string Unescaped(std::string_view field) {
  const auto is_octal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i > 3 && field[i + 1] >= '0' && field[i + 1] <= '3' &&
        is_octal(field[i + 2]) && is_octal(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

// "8:17"
bool IsDeviceNumber(std::string_view text) {
  const auto colon = text.find(':');
  const auto all_digits = [](std::string_view part) {
    return !part.empty() &&
           std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return colon != std::string_view::npos && all_digits(text.substr(0, colon)) &&
         all_digits(text.substr(colon + 1));
}

// `path` is `folder` or lies below it.
bool IsAtOrBelow(std::string_view path, std::string_view folder) {
  if (path == folder) return true;
  if (folder.ends_with('/')) return path.starts_with(folder);
  return path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/';
}

// A block device's folder under sysfs, and the folder of the disk it belongs
// to (itself, or the disk holding the partition).
struct BlockDevice {
  std::filesystem::path disk;
  std::filesystem::path self;
};

// By number, as sys/dev/block links it: the name a mount table gives is
// whatever the mounter wrote ("/dev/sdb1" on a tmpfs, too).
std::optional<BlockDevice> FindBlockDevice(const std::filesystem::path& sys_root,
                                           const std::string& number) {
  std::error_code error;
  const std::filesystem::path self =
      std::filesystem::canonical(sys_root / "dev" / "block" / number, error);
  if (error) return std::nullopt;
  const bool partition = std::filesystem::exists(self / "partition", error);
  return BlockDevice{partition ? self.parent_path() : self, self};
}

bool IsRemovableDisk(const std::filesystem::path& disk) {
  return Attribute(disk / "removable") == "1" || Attribute(disk / "device" / "type") == "SD";
}

// The kernel counts every block device's size in 512-byte sectors.
std::uint64_t SizeInBytes(const std::filesystem::path& device) {
  const std::string sectors = Attribute(device / "size");
  try {
    return sectors.empty() ? 0 : std::stoull(sectors) * 512;
  } catch (...) {
    return 0;
  }
}

}  // namespace

// ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  std::vector<MountEntry> entries;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string id, parent, number, root, mount_point, options, field, type;
    if (!(fields >> id >> parent >> number >> root >> mount_point >> options)) continue;
    while (fields >> field && field != "-") {
    }
    if (field != "-" || !(fields >> type) || !IsDeviceNumber(number)) continue;
    entries.push_back({number, Unescaped(root), Unescaped(mount_point), type});
  }
  return entries;
}

std::vector<MountEntry> UncoveredMounts(const std::vector<MountEntry>& entries) {
  std::vector<MountEntry> uncovered;
  for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
    const bool covered = std::any_of(entry + 1, entries.end(), [&](const MountEntry& later) {
      return IsAtOrBelow(entry->mountPoint, later.mountPoint);
    });
    if (!covered) uncovered.push_back(*entry);
  }
  return uncovered;
}

LinuxVolumeSource::LinuxVolumeSource(std::vector<std::filesystem::path> mount_tables,
                                     std::filesystem::path sys_root)
    : mount_tables_(std::move(mount_tables)), sys_root_(std::move(sys_root)) {}

Result<std::vector<RemovableVolume>> LinuxVolumeSource::RemovableVolumes() {
  std::optional<std::string> table;
  for (const auto& path : mount_tables_) {
    if ((table = ReadText(path))) break;
  }
  if (!table) {
    std::string tried;
    for (const auto& path : mount_tables_) tried += (tried.empty() ? "" : ", ") + PathToUtf8(path);
    return Error{ErrorCode::kNotFound, "The mount table cannot be read (tried " + tried + ")."};
  }

  std::vector<RemovableVolume> volumes;
  std::set<std::string> seen;  // a volume mounted twice is still one card
  for (const MountEntry& entry : UncoveredMounts(ParseMountInfo(*table))) {
    // A folder of a card bound elsewhere is not the card's root.
    if (entry.root != "/" || seen.contains(entry.deviceNumber)) continue;
    const auto device = FindBlockDevice(sys_root_, entry.deviceNumber);
    if (!device || !IsRemovableDisk(device->disk)) continue;
    seen.insert(entry.deviceNumber);
    const std::string name = PathToUtf8(device->self.filename());
    volumes.push_back({entry.mountPoint, "/dev/" + name, SizeInBytes(device->self)});
  }
  return volumes;
}

VolumeSource& SystemVolumeSource() {
  static LinuxVolumeSource source({"/proc/self/mountinfo"}, "/sys");
  return source;
}

}  // namespace quelmo
