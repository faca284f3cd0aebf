#pragma once
// Running quelmo-cli in-process against a temporary folder.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli_main.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "platform/removable_volumes.h"
#include "support/file_bytes.h"

namespace quelmo::testing {

class FixedClock : public LocalClock {
 public:
  explicit FixedClock(LocalTime time) : time_(time) {}
  LocalTime Now() const override { return time_; }

 private:
  LocalTime time_;
};

// A unique folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("quelmo-cli-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;

  // The last non-empty line written to standard error.
  std::string LastErrorLine() const {
    std::istringstream lines(err);
    std::string line;
    std::string last;
    while (std::getline(lines, line)) {
      if (!line.empty()) last = line;
    }
    return last;
  }
};

inline LocalTime TestClockTime() { return LocalTime{2012, 3, 7, 14, 5, 9}; }

// The cards a test says are mounted.
class FakeVolumes final : public VolumeSource {
 public:
  explicit FakeVolumes(std::vector<RemovableVolume> volumes) : volumes_(std::move(volumes)) {}
  Result<std::vector<RemovableVolume>> RemovableVolumes() override { return volumes_; }

 private:
  std::vector<RemovableVolume> volumes_;
};

inline CliRun RunQuelmoCli(std::vector<std::string> args, FileSystem& files = SystemFileSystem(),
                           VolumeSource& volumes = SystemVolumeSource()) {
  static const FixedClock clock(TestClockTime());
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.exitCode = RunCli(std::move(args), out, err, CliEnvironment{files, clock, volumes});
  run.out = out.str();
  run.err = err.str();
  return run;
}

inline void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace quelmo::testing
