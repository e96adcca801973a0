// Every memory request of the program goes through these replacements of
// the global allocation functions: a failed one ends in the fatal error box
// with the byte count, as no caller could go on without the memory.
#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>

#include "shell/fatal_error_text.h"
#include "shell/runtime.h"

namespace {

[[noreturn]] void OutOfMemory(std::size_t bytes) {
  // The message needs a few dozen bytes, far below the request that failed.
  const std::string message = tarnvel::OutOfMemoryMessage(bytes);
  if (tarnvel::Runtime* runtime = tarnvel::Runtime::Current()) runtime->Fatal(message);
  const std::string text = tarnvel::FatalErrorText(message, 0);
  MessageBoxA(nullptr, text.c_str(), tarnvel::kFatalErrorCaption.data(), MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}

void* Allocate(std::size_t bytes) {
  if (void* block = std::malloc(bytes == 0 ? 1 : bytes)) return block;
  OutOfMemory(bytes);
}

}  // namespace

void* operator new(std::size_t bytes) { return Allocate(bytes); }
void* operator new[](std::size_t bytes) { return Allocate(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
