#pragma once
// The English entries of the drop-down lists, by list index. Settings files
// may name a list entry by its text ("imageSize": "5MP") instead of its index,
// and show prints the text beside the index. The camera's lists are the camera
// form's own (camera_texts.h); the MMS, GPRS and SMS lists are here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

enum class EnglishList {
  kCameraMode,
  kImageSize,
  kVideoSize,
  kPictureCount,
  kVideoLength,
  kTimeStamp,
  kPirInterval,
  kSenseLevel,
  kBeep,
  kTimer,          // both working windows
  kTimeLapse,
  kSerialEnabled,
  kSerialChar,
  kSdCycle,
  kIrLight,
  kSendMode,
  kParameterMode,  // 0 Auto, 1 Customer
  kSmsControl,
};

std::vector<std::string> EnglishListNames(EnglishList list);

// The index of `text` in the list, ignoring case; nothing when no entry has it.
std::optional<int> FindEnglishListEntry(EnglishList list, std::string_view text);

// A short description of the list's entries for messages: all of them for a
// short list, the first and the last for a long one.
std::string DescribeEnglishList(EnglishList list);

}  // namespace quelmo
