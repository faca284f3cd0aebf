#pragma once
// The folder the forms show until the user picks another: the root of the
// memory card when exactly one removable volume is mounted (where the files
// have to go), else the platform's default (the home folder, or "C:\").

#include <string>

#include "platform/removable_volumes.h"

namespace quelmo {

std::string FormsDefaultFolder(VolumeSource& volumes);

}  // namespace quelmo
