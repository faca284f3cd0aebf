#pragma once
// The kinds of setting file the tool knows, each by the description its own
// folder gives, and how a file given to show or check is recognised: by its
// name first (camera.dat, mms.dat, gprs.dat, sms.dat, in any case), else by
// its size and, where kinds share a size, by which layout its content fits.
// The only place that lists the kinds.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "kind/kind_description.h"

namespace quelmo {

// A kind is its description; a pointer to it names the kind.
using FileKind = const KindDescription*;

// camera, mms, gprs, sms: the order of profiles and listings.
std::span<const FileKind> AllFileKinds();

// By KIND as the command line and show's JSON name it; nullptr for none.
FileKind FindFileKind(std::string_view name);

// "camera", "mms", "gprs", "sms", quoted and joined for messages.
std::string FileKindNameList();

struct RecognisedKind {
  FileKind kind = nullptr;
  std::string how;  // "by its name", "by its size", ...
};

// The kinds whose files have `size` bytes, in registry order.
std::vector<FileKind> KindsOfSize(std::size_t size);

// What the content of a file says among kinds of the same size: the kind
// whose layout it fits clearly better than the others, or none (null).
struct ContentKind {
  FileKind kind = nullptr;
  std::string weights;  // "the mms layout scores 9, the gprs layout scores 4"
};
ContentKind WeighContent(std::span<const FileKind> candidates, std::span<const std::uint8_t> bytes);

// By name, else by size and content. An error says why the kind could not
// be told (an unknown size, or content that fits two layouts alike).
Result<RecognisedKind> RecogniseFileKind(const std::filesystem::path& path,
                                         std::span<const std::uint8_t> bytes);

// The lead a layout needs over the others of its size, and the points it
// needs at least, to be taken.
inline constexpr int kLayoutLead = 3;
inline constexpr int kLayoutMinimum = 6;

}  // namespace quelmo
