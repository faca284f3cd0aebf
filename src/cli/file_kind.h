#pragma once
// The four kinds of setting file and how a file given to show or check is
// recognised: by its name first (camera.dat, mms.dat, gprs.dat, sms.dat, in
// any case), else by its size and, for the two 780-byte kinds, its content.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"

namespace quelmo {

enum class FileKind { kCamera, kMms, kGprs, kSms };

inline constexpr FileKind kAllFileKinds[] = {FileKind::kCamera, FileKind::kMms, FileKind::kGprs,
                                             FileKind::kSms};

// "camera", "mms", "gprs", "sms": the KIND of the command line and of show's JSON.
std::string_view FileKindName(FileKind kind);
// "camera.dat", ...
std::string_view FileKindFileName(FileKind kind);
std::optional<FileKind> ParseFileKind(std::string_view name);

struct RecognisedKind {
  FileKind kind;
  std::string how;  // "by its name", "by its size", ...
};

// What the content of a file of the MMS and GPRS size says it is: the kind
// whose layout it fits clearly better, or none when it fits neither clearly.
struct ContentKind {
  std::optional<FileKind> kind;
  std::string weights;  // "the MMS layout scores 9, the GPRS layout 4"
};
ContentKind WeighMmsOrGprsContent(std::span<const std::uint8_t> bytes);

// mms <-> gprs, whose files have the same size and so may be mistaken for
// each other; none for camera and sms.
std::optional<FileKind> KindOfTheSameSize(FileKind kind);

// By name, else by size and content. An error says why the kind could not
// be told (an unknown size, or content that fits MMS and GPRS alike).
Result<RecognisedKind> RecogniseFileKind(const std::filesystem::path& path,
                                         std::span<const std::uint8_t> bytes);

}  // namespace quelmo
