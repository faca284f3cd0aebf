#pragma once
// The folder a command writes into or reads from. "card" stands for the root
// of the one removable volume mounted, so that a script can set up card after
// card without knowing where each is mounted; a folder of that name is given
// as "./card".

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/removable_volumes.h"

namespace quelmo {

inline constexpr std::string_view kCardFolder = "card";

// An error, listing the volumes, when "card" is given and none or several are
// mounted.
Result<std::filesystem::path> ResolveOutFolder(std::string_view folder, VolumeSource& volumes);

// "/media/anna/CARD (/dev/sdb1, 7.9 GB)", on one line whatever the path holds.
std::string DescribeVolume(const RemovableVolume& volume);

}  // namespace quelmo
