// Starts a program in a folder and measures it from outside, as another
// program of the user would see it:
//   bench_launch PROGRAM FOLDER          prints startup_ms
//   bench_launch PROGRAM FOLDER export   prints startup_ms, export_ms, peak_kb
// startup_ms: from the start of the process to Tarnvel.txt written and closed
// in FOLDER. export_ms: one click of 按钮1, sent as its notification and
// waited for, with the list file of the start-up export in place as a user
// finds it. peak_kb: the program's peak working set after that click; the
// program is then closed.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kMainWindowClass[] = "TarnvelWindow";
constexpr int kButton1Id = 110;

double NowMs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// True once the file exists and its writer has closed it: the writer holds
// it unshared while it writes.
bool Written(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Polls gently: every poll is a call into the same Wine server the program uses.
double MsUntilWritten(const std::string& path, double since) {
  while (!Written(path)) Sleep(5);
  return NowMs() - since;
}

HWND WaitForMainWindow(DWORD processId) {
  for (;;) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr)) != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == processId && IsWindowVisible(window)) return window;
    }
    Sleep(5);
  }
}

void PrintPeakMemory(HANDLE process) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    std::printf("peak_kb=%llu\n", static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_launch PROGRAM FOLDER [export]\n");
    return 2;
  }
  std::string command = std::string("\"") + argv[1] + "\"";
  const std::string folder = argv[2];
  const bool exportToo = argc > 3 && std::string(argv[3]) == "export";
  const std::string listFile = folder + "\\Tarnvel.txt";
  DeleteFileA(listFile.c_str());

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double started = NowMs();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    std::fprintf(stderr, "bench_launch: cannot start %s\n", argv[1]);
    return 1;
  }
  std::printf("startup_ms=%.0f\n", MsUntilWritten(listFile, started));

  if (exportToo) {
    HWND window = WaitForMainWindow(process.dwProcessId);
    HWND button = GetDlgItem(window, kButton1Id);
    const double clicked = NowMs();
    // Sent to another process's window: returns once the handler has run.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kButton1Id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    std::printf("export_ms=%.0f\n", MsUntilWritten(listFile, clicked));
    PrintPeakMemory(process.hProcess);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
