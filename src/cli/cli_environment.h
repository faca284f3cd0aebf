#pragma once
// What the commands take from the machine, so that tests can hand in their
// own clock, a failing file layer or cards of their own.

#include "controls/local_clock.h"
#include "operators/operator_database_loader.h"
#include "operators/operator_database_getter.h"
#include "platform/file_system.h"
#include "platform/removable_volumes.h"

namespace quelmo {

struct CliEnvironment {
  FileSystem& files;
  const LocalClock& clock;
  VolumeSource& volumes = SystemVolumeSource();
  // The operator database, read only by a command that needs it.
  OperatorDatabaseGetter operatorDatabase = [] { return SystemOperatorDatabase(); };
};

inline CliEnvironment SystemCliEnvironment() {
  return CliEnvironment{SystemFileSystem(), SystemLocalClock()};
}

}  // namespace quelmo
