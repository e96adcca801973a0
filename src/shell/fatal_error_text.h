// The text of the fatal error box. No Win32 types: it reads and tests alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnvel {

inline constexpr std::string_view kFatalErrorCaption = "错误";

// "运行时出错!" CR LF CR LF, then the code line when the code is not 0, then
// the message line when the message is not empty.
std::string FatalErrorText(std::string_view message, unsigned errorCode);

// "分配 %d 字节内存失败!" for a failed request of `bytes` bytes.
std::string OutOfMemoryMessage(std::size_t bytes);

}  // namespace tarnvel
