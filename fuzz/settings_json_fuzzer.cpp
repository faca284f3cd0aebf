// write --settings: the JSON document and the reader of each kind's keys.
// The first byte picks the kind, the rest is the document.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "cli/camera_json.h"
#include "cli/gprs_json.h"
#include "cli/mms_json.h"
#include "cli/settings_document.h"
#include "cli/sms_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelmo;
  if (size == 0) return 0;
  const FileKind kind = kAllFileKinds[data[0] % std::size(kAllFileKinds)];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  Result<SettingsDocument> document = ParseSettingsDocument(text, kind);
  if (!document.ok()) return 0;
  const Json& settings = document->settings;
  switch (kind) {
    case FileKind::kCamera:
      (void)CameraSettingsFromJson(settings, CameraSettings{});
      break;
    case FileKind::kMms:
      (void)MmsSettingsFromJson(settings, MmsSettings{});
      break;
    case FileKind::kGprs:
      (void)GprsSettingsFromJson(settings, GprsSettings{});
      break;
    case FileKind::kSms:
      (void)SmsSettingsFromJson(settings, SmsSettings{});
      break;
  }
  return 0;
}
