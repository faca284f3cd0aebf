#include "camera/camera_kind.h"

#include "camera/camera_file.h"
#include "camera/camera_json.h"

namespace quelmo {
namespace {

// camera.dat is the only file of its size: its size alone tells it.
int CameraLayoutScore(std::span<const std::uint8_t>) { return 1; }

ReadBackFile ReadBackCamera(std::span<const std::uint8_t> bytes, bool) {
  const CameraFileContents contents = ReadCameraFile(bytes);
  return {contents.isDefault, ShowCameraSettings(contents), contents.integrity};
}

PreparedFile Ready(const SettingRecord& record) {
  // camera.dat is written in place of the old one without a scratch file.
  return {PreparedFile::Refusal::kNone, {}, CameraFileBytes(record), {}};
}

PreparedFile PrepareCamera(const WriteRequest& request) {
  if (request.writeDefault) return Ready(BuildDefaultCameraRecord());
  // A freshly opened form holds its defaults and the time now.
  CameraSettings initial;
  SetCameraClock(initial, TakeLocalClock(request.clock));
  auto input = CameraSettingsFromJson(request.settings, initial);
  if (!input.ok()) return PreparedFile::BadSettings(input.message());
  const ResolvedLanguage language = ResolveFileLanguage(request.overrides, input->language);
  return Ready(BuildCameraRecord(input->settings, language.cameraLanguage, language.tvMode));
}

}  // namespace

const KindDescription& CameraKind() {
  static const KindDescription kCamera{
      .name = "camera",
      .fileName = kCameraFileName,
      .fileSize = kCameraFileSize,
      .layoutScore = &CameraLayoutScore,
      .readBack = &ReadBackCamera,
      .prepare = &PrepareCamera,
      .secretKeys = {},
      .presets = nullptr,
      .hasDefaultFile = true,
      .clockKey = "clock",
  };
  return kCamera;
}

}  // namespace quelmo
