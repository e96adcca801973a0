#include "shell/fatal_error_text.h"

namespace tarnvel {

std::string FatalErrorText(std::string_view message, unsigned errorCode) {
  std::string text = "运行时出错!\r\n\r\n";
  if (errorCode != 0) {
    text += "错误代码：";
    text += std::to_string(errorCode);
    text += "\r\n\r\n";
  }
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

std::string OutOfMemoryMessage(std::size_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

}  // namespace tarnvel
