#include "tests/e2e/Harness.h"

#include <shlwapi.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/LockName.h"
#include "res/resource.h"

std::wstring TestExeFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  PathRemoveFileSpecW(path);
  return path;
}

std::wstring BuiltDusklamp() {
  wchar_t path[MAX_PATH];
  wcscpy(path, TestExeFolder().c_str());
  PathRemoveFileSpecW(path);  // tests live one level below the program
  return std::wstring(path) + L"\\Dusklamp.exe";
}

std::wstring UnixPath(const std::wstring& path) {
  std::wstring unix = path.substr(2);
  for (wchar_t& c : unix) {
    if (c == L'\\') c = L'/';
  }
  return unix;
}

HANDLE StartUnix(const std::wstring& command, bool wait) {
  std::wstring commandLine = std::wstring(L"start.exe ") + (wait ? L"/wait " : L"") + L"/unix " + command;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

bool RunUnix(const std::wstring& command, bool wait) {
  const HANDLE process = StartUnix(command, wait);
  if (!process) return false;
  if (wait) WaitForSingleObject(process, 30000);
  CloseHandle(process);
  return true;
}

namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring FreshFolder(const std::wstring& name) {
  static int counter = 0;
  const std::wstring root = TestExeFolder() + L"\\runs";
  CreateDirectoryW(root.c_str(), nullptr);
  const std::wstring folder = root + L"\\" + name + L"-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++counter);
  RemoveTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
  file << bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

int DisplayDpi() {
  DWORD dpi = 0, size = sizeof(dpi);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD,
                   nullptr, &dpi, &size) != ERROR_SUCCESS || dpi == 0) {
    return 96;
  }
  return int(dpi);
}

// The X server's own picture of the screen: Wine's screen device context does not hold what
// other processes drew, so ImageMagick reads the display the tests run on.
std::wstring SaveScreenshot(const std::wstring& name) {
  wchar_t build[MAX_PATH];
  wcscpy(build, TestExeFolder().c_str());
  PathRemoveFileSpecW(build);
  const std::wstring folder = std::wstring(build) + L"\\screenshots";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring suffix = DisplayDpi() == 96 ? L"" : L"-" + std::to_wstring(DisplayDpi());
  const std::wstring path = folder + L"\\" + name + suffix + L".bmp";
  DeleteFileW(path.c_str());
  RunUnix(L"/usr/bin/import -window root bmp3:" + UnixPath(path), true);
  WaitUntil([&] { return FileExists(path); }, 10000);
  Sleep(200);
  return path;
}

Screenshot::Screenshot(const std::wstring& path) : bytes_(ReadFileBytes(path)) {
  if (bytes_.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return;
  const auto* file = reinterpret_cast<const BITMAPFILEHEADER*>(bytes_.data());
  const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(bytes_.data() + sizeof(BITMAPFILEHEADER));
  width_ = info->biWidth;
  height_ = info->biHeight;
  bytesPerPixel_ = info->biBitCount / 8;
  stride_ = ((width_ * info->biBitCount + 31) / 32) * 4;
  offset_ = file->bfOffBits;
  if (bytesPerPixel_ < 3 || bytes_.size() < offset_ + size_t(stride_) * size_t(height_)) width_ = height_ = 0;
}

COLORREF Screenshot::At(int x, int y) const {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data()) + offset_ +
                  size_t(height_ - 1 - y) * size_t(stride_) + size_t(x) * size_t(bytesPerPixel_);
  return RGB(p[2], p[1], p[0]);
}

Dusklamp::Dusklamp(std::wstring folder) : folder_(std::move(folder)) {
  if (folder_.empty()) folder_ = FreshFolder(L"copy");
  exe_ = folder_ + L"\\Dusklamp.exe";
  if (!FileExists(exe_)) CopyFileW(BuiltDusklamp().c_str(), exe_.c_str(), FALSE);
}

Dusklamp::~Dusklamp() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      if (IsWindow(window_)) PostMessageW(window_, WM_COMMAND, CMD_EXIT, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
      }
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

namespace {

bool Launch(const std::wstring& exe, const std::wstring& arguments, WORD showWindow,
            PROCESS_INFORMATION& process) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = showWindow;
  const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process) != FALSE;
}


}  // namespace

bool Dusklamp::Start(const std::wstring& arguments, WORD showWindow) {
  if (process_.hProcess) {  // a restart of an ended copy
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
  }
  window_ = nullptr;
  return Launched(Launch(exe_, arguments, showWindow, process_));
}

// Wine reads its variables from the Unix environment it starts in, and writes its traces to the
// Unix standard error of the traced process, which a Windows parent cannot redirect; so a Unix
// shell starts such a copy under Wine.
bool Dusklamp::StartUnderWine(const std::wstring& variables, const std::wstring& errorFile, DWORD timeoutMs) {
  if (!RunUnix(L"/bin/sh -c \"" + variables + L" exec wine '" + UnixPath(exe_) + L"' 2>'" +
                   UnixPath(errorFile) + L"' >/dev/null\"",
               false)) {
    return false;
  }
  WaitUntil([&] { return (window_ = FindWindowW(kLockName, nullptr)) != nullptr; }, timeoutMs);
  if (!window_) return false;
  GetWindowThreadProcessId(window_, &process_.dwProcessId);
  process_.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                  FALSE, process_.dwProcessId);
  return process_.hProcess != nullptr;
}

bool Dusklamp::StartTracingGdi(const std::wstring& traceFile) {
  return StartUnderWine(L"WINEDEBUG=+gdi", traceFile);
}

// A start that fails says why, for the log of a run that cannot be repeated.
bool Dusklamp::Launched(bool started) {
  if (!started) {
    std::fprintf(stderr, "could not start %ls: error %lu\n", exe_.c_str(), GetLastError());
    return false;
  }
  const DWORD processId = process_.dwProcessId;
  WaitUntil([&] {
    const HWND found = FindWindowW(kLockName, nullptr);
    DWORD owner = 0;
    if (found) GetWindowThreadProcessId(found, &owner);
    if (owner == processId) window_ = found;
    return window_ != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
  });
  if (!window_) {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    std::fprintf(stderr, "%ls showed no window; exit code %lu\n", exe_.c_str(), code);
  }
  return window_ != nullptr;
}

DWORD Dusklamp::StartSecondCopy() {
  PROCESS_INFORMATION second{};
  if (!Launch(exe_, L"", SW_SHOWNORMAL, second)) return DWORD(-1);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(second.hProcess, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(second.hProcess, &code);
  CloseHandle(second.hProcess);
  CloseHandle(second.hThread);
  return code;
}

DWORD Dusklamp::Exit() {
  Command(CMD_EXIT);
  return WaitForExit();
}

DWORD Dusklamp::WaitForExit(DWORD timeoutMs) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.hProcess, &code);
  }
  return code;
}

void Dusklamp::Command(UINT id) const { PostMessageW(window_, WM_COMMAND, id, 0); }

bool Dusklamp::Settle() const {
  Command(CMD_ABOUT);
  HWND about = nullptr;
  if (!WaitUntil([&] { return (about = FindProcessWindow(ProcessId(), L"#32770", L"About Dusklamp")) != nullptr; })) {
    return false;
  }
  PostMessageW(about, WM_COMMAND, IDOK, 0);
  return WaitUntil([&] { return !IsWindow(about); });
}

void Dusklamp::Tray(UINT mouseMessage, WPARAM iconId) const {
  static const UINT trayMessage = RegisterWindowMessageW(L"WM_TRAYICON");
  PostMessageW(window_, trayMessage, iconId, mouseMessage);
}

bool Dusklamp::FaderVisible() const { return IsWindowVisible(window_) != FALSE; }

int Dusklamp::Alpha() const {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window_, nullptr, &alpha, &flags)) return -1;
  return alpha;
}

// Open handles of a process, from the system's handle table (GetProcessHandleCount of another
// process gives 0 under Wine).
DWORD SystemHandleCount(DWORD processId) {
  struct Entry {
    ULONG ownerPid;
    BYTE objectType, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  while (query(16 /* SystemHandleInformation */, buffer.data(), ULONG(buffer.size()), &needed) ==
         LONG(0xC0000004) /* STATUS_INFO_LENGTH_MISMATCH */) {
    buffer.resize(buffer.size() * 2);
  }
  const ULONG entries = *reinterpret_cast<ULONG*>(buffer.data());
  const auto* entry = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
  DWORD count = 0;
  for (ULONG i = 0; i < entries; ++i) count += entry[i].ownerPid == processId;
  return count;
}

GdiObjects LiveGdiObjects(const std::wstring& traceFile) {
  const std::string trace = ReadFileBytes(traceFile);
  GdiObjects live;
  bool traced = false;
  for (size_t at = 0; (at = trace.find(":trace:gdi:", at)) != std::string::npos; ++at) {
    const size_t end = trace.find('\n', at);
    const std::string line = trace.substr(at, end == std::string::npos ? std::string::npos : end - at);
    const bool allocated = line.find(" allocated ") != std::string::npos;
    if (!allocated && line.find(" freed ") == std::string::npos) continue;
    const long step = allocated ? 1 : -1;
    traced = true;
    live.all += step;
    if (line.find(" NTGDI_OBJ_DC ") != std::string::npos) live.windowDcs += step;
    if (line.find(" NTGDI_OBJ_REGION ") != std::string::npos) live.regions += step;
  }
  if (!traced) live.all = -1;  // nothing to count from
  return live;
}

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto& s = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t text[256] = {}, cls[256] = {};
  GetWindowTextW(window, text, 256);
  GetClassNameW(window, cls, 256);
  if (owner == s.processId && (!s.caption || wcscmp(text, s.caption) == 0) &&
      (!s.className || wcscmp(cls, s.className) == 0) && IsWindowVisible(window)) {
    s.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  WindowSearch search{processId, className, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// ALSA reads the Unix environment its process started with, which a Windows parent cannot set.
Hearing::Hearing() : folder_(FreshFolder(L"hearing")) {
  std::string capture;
  for (wchar_t c : UnixPath(folder_ + L"\\captured.raw")) capture += char(c);
  WriteFileBytes(folder_ + L"\\alsa.conf", "</usr/share/alsa/alsa.conf>\npcm.!default { type file slave.pcm \"null\" file \"" +
                                              capture + "\" format \"raw\" truncate false }\n");
}

std::wstring Hearing::Variables() const { return L"ALSA_CONFIG_PATH='" + UnixPath(folder_ + L"\\alsa.conf") + L"'"; }

std::string Hearing::Heard() const {
  const std::wstring capture = folder_ + L"\\captured.raw";
  return FileExists(capture) ? ReadFileBytes(capture) : std::string();
}
