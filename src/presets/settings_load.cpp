#include "presets/settings_load.h"

#include "text/translate.h"

namespace quelmo {

std::optional<LoadRefusal> RefusalBeforeReading(
    std::span<const std::uint8_t> bytes, std::size_t expected,
    bool (*looks_like_kind)(std::span<const std::uint8_t>)) {
  if (bytes.size() != expected) return LoadRefusal{LoadRefusalKind::kWrongSize, bytes.size()};
  if (!looks_like_kind(bytes)) return LoadRefusal{LoadRefusalKind::kOtherKind, bytes.size()};
  return std::nullopt;
}

std::string LoadRefusalReason(const LoadRefusal& refusal, std::size_t expected_size,
                              const SettingFileWords& kind, int language_index) {
  switch (refusal.kind) {
    case LoadRefusalKind::kWrongSize:
      return FillIn(Translate(language_index, kind.wrongSize),
                    {{"size", std::to_string(refusal.size)},
                     {"expected", std::to_string(expected_size)}});
    case LoadRefusalKind::kOtherKind:
      return std::string(Translate(language_index, kind.otherKind));
    case LoadRefusalKind::kDamaged:
      return std::string(Translate(language_index, kind.damaged));
  }
  return {};
}

std::string_view FindingKindText(FindingKind kind, int language_index) {
  const auto text = [language_index](std::string_view english) {
    return Translate(language_index, english);
  };
  switch (kind) {
    case FindingKind::kOutsideList:
      return text("a value the form does not offer, replaced");
    case FindingKind::kTextCut:
      return text("longer than the field, cut");
    case FindingKind::kNotGbk:
      return text("not valid GBK text, left empty");
    case FindingKind::kStrayBytes:
      return text("bytes this program never writes there");
    case FindingKind::kDisagrees:
      return text("does not match the value it is made from");
    case FindingKind::kUnusualCameraLanguage:
      return text("a camera language outside the list");
  }
  return {};
}

std::string LoadedWithFindingsMessage(std::string_view file_path,
                                      const std::vector<std::string>& lines, int language_index) {
  std::string message = FillIn(
      Translate(language_index, "{path} was loaded, but it is not as this program writes it:"),
      {{"path", file_path}});
  for (const std::string& line : lines) message.append("\n").append(line);
  return message;
}

}  // namespace quelmo
