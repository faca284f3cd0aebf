// How long a save takes on the real file system, syncs included: the staged
// write of mms.dat (13 records through setup.dat) and the atomic write of
// camera.dat. Run with the temporary folder on the device of interest
// (TMPDIR) to see what the syncs cost there.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "record/safe_write.h"
#include "record/setting_checksum.h"
#include "record/setting_record.h"
#include "record/staged_write.h"

namespace quelmo {
namespace {

class BenchFolder {
 public:
  BenchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("quelmo-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::vector<SettingRecord> MmsRecords() {
  std::vector<SettingRecord> records;
  SettingRecord header = ValueRecord();
  header[7] = 1;
  header[50] = 1;
  records.push_back(header);
  for (const char* text : {"http://mmsc.example.com", "cmwap", "10.0.0.172", "80", "+8613800138000",
                           "someone@example.com", "account", "secret", ""}) {
    records.push_back(TextRecord(text));
  }
  records.push_back(EmptyRecord());
  return records;
}

std::vector<std::uint8_t> DefaultCameraFile() {
  SettingRecord record = ValueRecord();
  for (int i = 0; i < 4; ++i) record[i] = 127;
  const std::uint16_t stored =
      SettingChecksum::StoredCheckValue(Crc16Xmodem(std::span(record).first(kScrambledBytes)));
  record[kCheckLowByte] = static_cast<std::uint8_t>(stored & 0xFF);
  record[kCheckHighByte] = static_cast<std::uint8_t>(stored >> 8);
  std::vector<std::uint8_t> bytes(record.begin(), record.end());
  const SettingRecord reserved = EmptyRecord();
  bytes.insert(bytes.end(), reserved.begin(), reserved.end());
  bytes.resize(180, 0);
  return bytes;
}

void BM_StagedWriteMms(benchmark::State& state) {
  BenchFolder folder;
  const std::vector<SettingRecord> records = MmsRecords();
  for (auto _ : state) {
    const Status status = StagedWrite(SystemFileSystem(), folder.path(), "mms.dat", records,
                                      TrailingRecord::kReserved);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      break;
    }
  }
}
BENCHMARK(BM_StagedWriteMms)->Unit(benchmark::kMillisecond);

void BM_WriteCameraFileAtomically(benchmark::State& state) {
  BenchFolder folder;
  const std::vector<std::uint8_t> bytes = DefaultCameraFile();
  for (auto _ : state) {
    const Status status =
        WriteFileAtomically(SystemFileSystem(), folder.path(), "camera.dat", bytes);
    if (!status.ok()) {
      state.SkipWithError(status.message().c_str());
      break;
    }
  }
}
BENCHMARK(BM_WriteCameraFileAtomically)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelmo
