#include "mail_check/test_message.h"

namespace quelmo {

TestMessageTexts TestMessageFor(int language, std::string_view model_name) {
  const std::string model(model_name);
  if (language == 1) {
    return {model + " 测试邮件",
            "这是 Quelmo Setup 发送的测试邮件。\r\n"
            "如果您收到了这封邮件，相机 " + model +
                " 的电子邮件设置在本电脑上可以使用。\r\n"
                "附件是一张示例图片，相机发送的照片也会像这样附上。\r\n"};
  }
  return {model + " test message",
          "This is a test message from Quelmo Setup.\r\n"
          "If you received it, the e-mail settings of your " + model +
              " camera work from this PC.\r\n"
              "A sample picture is attached, as the camera attaches its photos.\r\n"};
}

}  // namespace quelmo
