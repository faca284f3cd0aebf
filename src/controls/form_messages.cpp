#include "controls/form_messages.h"

#include "platform/file_system.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

// What went wrong, for a Chinese reader; the system's own detail follows it
// in English.
const char* ChineseFailureKind(ErrorCode code) {
  switch (code) {
    case ErrorCode::kNotFound:
      return "文件夹不存在。";
    case ErrorCode::kInvalidArgument:
      return "这不是可以写入的文件夹。";
    case ErrorCode::kNotEncodable:
      return "路径中含有无法使用的字符。";
    case ErrorCode::kCorrupt:
      return "写入后读回的内容不符，文件未完整保存。";
    case ErrorCode::kBusy:
      return "另一个保存正在写入该文件夹，请稍后再试。";
    case ErrorCode::kUnavailable:
    case ErrorCode::kIoError:
      break;
  }
  return "无法写入（存储卡已满、写保护或已取出？）。";
}

}  // namespace

std::string SavedMessage(std::string_view confirmation, std::string_view file_path) {
  std::string message(confirmation);
  return message.append("\n").append(file_path);
}

std::string SaveFailedMessage(std::string_view file_name, std::string_view folder,
                              const Error& error, int language_index) {
  const std::string path = PathToUtf8(PathFromUtf8(folder) / PathFromUtf8(file_name));
  std::string message;
  if (language_index == kChinese) {
    message.append("未能保存").append(path).append("：").append(ChineseFailureKind(error.code));
    return message.append("\n（").append(error.message).append("）");
  }
  message.append(path).append(" was not saved.\n");
  return message.append(error.message);
}

std::string LoadFailedMessage(std::string_view file_path, std::string_view reason,
                              int language_index) {
  std::string message;
  if (language_index == kChinese) {
    message.append("无法载入").append(file_path).append("。\n（").append(reason).append("）");
    return message;
  }
  message.append(file_path).append(" could not be loaded.\n");
  return message.append(reason);
}

}  // namespace quelmo
