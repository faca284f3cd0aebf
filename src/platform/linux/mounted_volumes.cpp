#include "platform/linux/mounted_volumes.h"

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

// The kernel writes " ", "\t", "\n" and "\\" in names as \040, \011, \012, \134.
std::string Unescaped(std::string_view field) {
  const auto is_octal = [](char c) { return c >= '0' && c <= '7'; };
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i > 3 && is_octal(field[i + 1]) &&
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

// The disk a block device belongs to under sys/block, and the device's own
// folder there (the disk's, or its partition's inside it).
struct BlockDevice {
  std::filesystem::path disk;
  std::filesystem::path self;
};

std::optional<BlockDevice> FindBlockDevice(const std::filesystem::path& sys_root,
                                           const std::string& name) {
  const std::filesystem::path block = sys_root / "block";
  std::error_code error;
  if (std::filesystem::is_directory(block / name, error)) {
    return BlockDevice{block / name, block / name};
  }
  for (std::filesystem::directory_iterator disks(block, error), end; !error && disks != end;
       disks.increment(error)) {
    const std::filesystem::path partition = disks->path() / name;
    std::error_code ignored;
    if (std::filesystem::is_directory(partition, ignored)) return BlockDevice{disks->path(), partition};
  }
  return std::nullopt;
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

// "/dev/disk/by-label/CARD" -> "sdb1"; a path that is no link names itself.
std::string DeviceName(const std::string& device) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(PathFromUtf8(device), error);
  return PathToUtf8((error ? PathFromUtf8(device) : resolved).filename());
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> entries;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mount_point, type;
    if (!(fields >> device >> mount_point >> type)) continue;
    entries.push_back({Unescaped(device), Unescaped(mount_point), type});
  }
  return entries;
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
  for (const MountEntry& entry : ParseMountTable(*table)) {
    if (!entry.device.starts_with("/dev/")) continue;
    const std::string name = DeviceName(entry.device);
    if (seen.contains(name)) continue;
    const auto device = FindBlockDevice(sys_root_, name);
    if (!device || !IsRemovableDisk(device->disk)) continue;
    seen.insert(name);
    volumes.push_back({entry.mountPoint, entry.device, SizeInBytes(device->self)});
  }
  return volumes;
}

VolumeSource& SystemVolumeSource() {
  static LinuxVolumeSource source({"/proc/self/mounts", "/proc/mounts"}, "/sys");
  return source;
}

}  // namespace quelmo
