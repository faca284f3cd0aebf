#include "presets/settings_load.h"

#include "app/app_state.h"

namespace quelmo {

std::optional<LoadRefusal> RefusalBeforeReading(
    std::span<const std::uint8_t> bytes, std::size_t expected,
    bool (*looks_like_kind)(std::span<const std::uint8_t>)) {
  if (bytes.size() != expected) return LoadRefusal{LoadRefusalKind::kWrongSize, bytes.size()};
  if (!looks_like_kind(bytes)) return LoadRefusal{LoadRefusalKind::kOtherKind, bytes.size()};
  return std::nullopt;
}

std::string LoadRefusalReason(const LoadRefusal& refusal, std::size_t expected_size,
                              const SettingFileWords& kind, const SettingFileWords& other_kind,
                              int language_index) {
  const std::string size = std::to_string(refusal.size);
  const std::string expected = std::to_string(expected_size);
  std::string reason;
  if (language_index == kChinese) {
    switch (refusal.kind) {
      case LoadRefusalKind::kWrongSize:
        return reason.append("文件长度为").append(size).append("字节，").append(kind.chinese)
            .append("应为").append(expected).append("字节。");
      case LoadRefusalKind::kOtherKind:
        return reason.append("这不是").append(kind.chinese).append("（可能是")
            .append(other_kind.chinese).append("）。");
      case LoadRefusalKind::kDamaged:
        return reason.append("这不是完好的").append(kind.chinese).append("（校验值或行尾不符）。");
    }
  }
  switch (refusal.kind) {
    case LoadRefusalKind::kWrongSize:
      return reason.append("The file is ").append(size).append(" bytes long; ")
          .append(kind.article).append(" ").append(kind.english).append(" has ")
          .append(expected).append(" bytes.");
    case LoadRefusalKind::kOtherKind:
      return reason.append("This is not ").append(kind.article).append(" ").append(kind.english)
          .append(" (it may be ").append(other_kind.article).append(" ")
          .append(other_kind.english).append(").");
    case LoadRefusalKind::kDamaged:
      return reason.append("This is not an intact ").append(kind.english)
          .append(": its check value or its line ends are wrong.");
  }
  return reason;
}

std::string_view FindingKindText(FindingKind kind, int language_index) {
  const bool chinese = language_index == kChinese;
  switch (kind) {
    case FindingKind::kOutsideList:
      return chinese ? "值不在可选范围内，已改为默认值" : "a value the form does not offer, replaced";
    case FindingKind::kTextCut:
      return chinese ? "文字超出长度，已截短" : "longer than the field, cut";
    case FindingKind::kNotGbk:
      return chinese ? "不是有效的GBK文字，已清空" : "not valid GBK text, left empty";
    case FindingKind::kStrayBytes:
      return chinese ? "含有本程序不会写入的字节" : "bytes this program never writes there";
    case FindingKind::kDisagrees:
      return chinese ? "与其来源的值不一致" : "does not match the value it is made from";
    case FindingKind::kUnusualCameraLanguage:
      return chinese ? "相机语言不在列表中" : "a camera language outside the list";
  }
  return {};
}

std::string LoadedWithFindingsMessage(std::string_view file_path,
                                      const std::vector<std::string>& lines, int language_index) {
  std::string message;
  if (language_index == kChinese) {
    message.append("已载入").append(file_path).append("，但文件内容与本程序写入的不一致：");
  } else {
    message.append(file_path).append(" was loaded, but it is not as this program writes it:");
  }
  for (const std::string& line : lines) message.append("\n").append(line);
  return message;
}

}  // namespace quelmo
