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
  // The setting files: those written, and those shown, checked or exported.
  FileSystem& files;
  const LocalClock& clock;
  VolumeSource& volumes = SystemVolumeSource();
  // The operator database, read only by a command that needs it.
  OperatorDatabaseGetter operatorDatabase = [] { return SystemOperatorDatabase(); };
  // What the user hands in to be read: a profile, a settings JSON.
  FileSystem& inputs = SystemFileSystem();
};

inline CliEnvironment SystemCliEnvironment() {
  return CliEnvironment{SystemFileSystem(), SystemLocalClock()};
}

}  // namespace quelmo
