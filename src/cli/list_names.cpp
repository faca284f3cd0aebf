#include "cli/list_names.h"

#include <algorithm>
#include <cctype>

#include "app/app_state.h"
#include "camera/camera_controls.h"
#include "camera/camera_texts.h"
#include "remote_control/remote_control_texts.h"

namespace quelmo {
namespace {

std::vector<std::string> CameraEnglishEntries(ControlId list) {
  return CameraListEntries(list, kEnglish);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::vector<std::string> EnglishListNames(EnglishList list) {
  switch (list) {
    case EnglishList::kCameraMode: return CameraEnglishEntries(kCameraModeList);
    case EnglishList::kImageSize: return CameraEnglishEntries(kImageSizeList);
    case EnglishList::kVideoSize: return CameraEnglishEntries(kVideoSizeList);
    case EnglishList::kPictureCount: return CameraEnglishEntries(kPictureCountList);
    case EnglishList::kVideoLength: return CameraEnglishEntries(kVideoLengthList);
    case EnglishList::kTimeStamp: return CameraEnglishEntries(kTimeStampList);
    case EnglishList::kPirInterval: return CameraEnglishEntries(kPirIntervalList);
    case EnglishList::kSenseLevel: return CameraEnglishEntries(kSenseLevelList);
    case EnglishList::kBeep: return CameraEnglishEntries(kBeepList);
    case EnglishList::kTimer: return CameraEnglishEntries(kTimer1List);
    case EnglishList::kTimeLapse: return CameraEnglishEntries(kTimeLapseList);
    case EnglishList::kSerialEnabled: return CameraEnglishEntries(kSerialList);
    case EnglishList::kSerialChar: return CameraEnglishEntries(kSerialChar1List);
    case EnglishList::kSdCycle: return CameraEnglishEntries(kSdCycleList);
    case EnglishList::kIrLight: return CameraEnglishEntries(kIrLightList);
    case EnglishList::kSendMode: return CameraEnglishEntries(kSendModeList);
    case EnglishList::kParameterMode: return {"Auto", "Customer"};
    case EnglishList::kSmsControl: return SmsControlEntries(kEnglish);
  }
  return {};
}

std::optional<int> FindEnglishListEntry(EnglishList list, std::string_view text) {
  const auto names = EnglishListNames(list);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (EqualIgnoringCase(names[i], text)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string DescribeEnglishList(EnglishList list) {
  const auto names = EnglishListNames(list);
  if (names.empty()) return {};
  std::string description = "0 to " + std::to_string(names.size() - 1) + ", or ";
  if (names.size() <= 8) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i > 0) description += ", ";
      description += "\"" + names[i] + "\"";
    }
  } else {
    description += "\"" + names.front() + "\" ... \"" + names.back() + "\"";
  }
  return description;
}

}  // namespace quelmo
