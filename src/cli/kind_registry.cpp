#include "cli/kind_registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "camera/camera_kind.h"
#include "mms/mms_kind.h"
#include "platform/file_system.h"
#include "sms/sms_kind.h"
#include "smtp/gprs_kind.h"

namespace quelmo {
namespace {

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string NameAdvice() {
  std::string names;
  for (FileKind kind : AllFileKinds()) {
    names += (names.empty() ? "" : ", ") + std::string(kind->fileName);
  }
  return "name it " + names + ", or give --kind";
}

// Several kinds share the size: the content decides.
Result<RecognisedKind> RecogniseByLayout(const std::vector<FileKind>& candidates,
                                         std::span<const std::uint8_t> bytes) {
  const ContentKind content = WeighContent(candidates, bytes);
  if (content.kind != nullptr) {
    return RecognisedKind{content.kind, "by its size and content (" + content.weights + ")"};
  }
  std::string names;
  for (FileKind kind : candidates) {
    names += (names.empty() ? "" : " and ") + std::string(kind->fileName);
  }
  return Error{ErrorCode::kCorrupt, std::to_string(bytes.size()) + " bytes, the size of " + names +
                                        ", but the content does not tell which (" +
                                        content.weights + "); " + NameAdvice()};
}

}  // namespace

std::span<const FileKind> AllFileKinds() {
  static const std::array<FileKind, 4> kKinds{&CameraKind(), &MmsKind(), &GprsKind(), &SmsKind()};
  return kKinds;
}

FileKind FindFileKind(std::string_view name) {
  for (FileKind kind : AllFileKinds()) {
    if (kind->name == name) return kind;
  }
  return nullptr;
}

std::string FileKindNameList() {
  std::string list;
  for (FileKind kind : AllFileKinds()) {
    list += (list.empty() ? "\"" : ", \"") + std::string(kind->name) + "\"";
  }
  return list;
}

std::vector<FileKind> KindsOfSize(std::size_t size) {
  std::vector<FileKind> kinds;
  for (FileKind kind : AllFileKinds()) {
    if (kind->fileSize == size) kinds.push_back(kind);
  }
  return kinds;
}

ContentKind WeighContent(std::span<const FileKind> candidates,
                         std::span<const std::uint8_t> bytes) {
  ContentKind content;
  std::vector<int> scores;
  for (FileKind kind : candidates) {
    scores.push_back(kind->layoutScore(bytes));
    content.weights += (content.weights.empty() ? "the " : ", the ") + std::string(kind->name) +
                       " layout scores " + std::to_string(scores.back());
  }
  if (scores.empty()) return content;
  std::vector<int> ranked = scores;
  std::sort(ranked.rbegin(), ranked.rend());
  const int runner_up = ranked.size() > 1 ? ranked[1] : 0;
  if (ranked[0] >= kLayoutMinimum && ranked[0] - runner_up >= kLayoutLead) {
    const auto at = std::find(scores.begin(), scores.end(), ranked[0]) - scores.begin();
    content.kind = candidates[static_cast<std::size_t>(at)];
  }
  return content;
}

Result<RecognisedKind> RecogniseFileKind(const std::filesystem::path& path,
                                         std::span<const std::uint8_t> bytes) {
  const std::string file_name = Lowered(PathToUtf8(path.filename()));
  for (FileKind kind : AllFileKinds()) {
    if (file_name == kind->fileName) return RecognisedKind{kind, "by its name"};
  }
  std::vector<FileKind> same_size;
  std::string sizes;
  for (FileKind kind : AllFileKinds()) {
    if (kind->fileSize == bytes.size()) same_size.push_back(kind);
    sizes += (sizes.empty() ? "" : ", ") + std::to_string(kind->fileSize) + " bytes (" +
             std::string(kind->fileName) + ")";
  }
  if (same_size.size() == 1) return RecognisedKind{same_size.front(), "by its size"};
  if (same_size.size() > 1) return RecogniseByLayout(same_size, bytes);
  return Error{ErrorCode::kCorrupt, "not recognised as a setting file: " +
                                        std::to_string(bytes.size()) +
                                        " bytes, while setting files have " + sizes + "; " +
                                        NameAdvice()};
}

}  // namespace quelmo
