#pragma once
// What the commands take from the machine, so that tests can hand in their
// own clock or a failing file layer.

#include "controls/local_clock.h"
#include "platform/file_system.h"

namespace quelmo {

struct CliEnvironment {
  FileSystem& files;
  const LocalClock& clock;
};

inline CliEnvironment SystemCliEnvironment() {
  return CliEnvironment{SystemFileSystem(), SystemLocalClock()};
}

}  // namespace quelmo
