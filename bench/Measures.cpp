#include "bench/Measures.h"

#include <psapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

std::string ReadProcFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

// The Linux process whose command line names this executable (its folder and file name, in
// Windows or Unix form, as Wine started it).
std::wstring ProcFolderOf(const std::wstring& exe) {
  const size_t name = exe.rfind(L'\\');
  const size_t folder = exe.rfind(L'\\', name - 1);
  std::string tail;
  for (wchar_t c : exe.substr(folder + 1)) tail += char(c);
  std::string unixTail = tail;
  std::replace(unixTail.begin(), unixTail.end(), '\\', '/');
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  std::wstring result;
  if (search == INVALID_HANDLE_VALUE) return result;
  do {
    if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
    const std::wstring candidate = std::wstring(L"Z:\\proc\\") + found.cFileName;
    std::string commandLine = ReadProcFile(candidate + L"\\cmdline");
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    if (commandLine.find(tail) != std::string::npos || commandLine.find(unixTail) != std::string::npos) {
      result = candidate;
      break;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return result;
}

// The process's window of that class, shown or hidden.
HWND WindowOf(DWORD processId, const wchar_t* className) {
  for (HWND window = FindWindowW(className, nullptr); window;
       window = FindWindowExW(nullptr, window, className, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

PROCESS_MEMORY_COUNTERS_EX MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  return counters;
}

}  // namespace

Measured::Measured(std::wstring exe, const wchar_t* className, std::wstring arguments,
                   std::wstring gdiTrace)
    : exe_(std::move(exe)), arguments_(std::move(arguments)), gdiTrace_(std::move(gdiTrace)),
      className_(className) {}

Measured::~Measured() { Stop(); }

double Measured::Start() {
  const double start = Now();
  if (gdiTrace_.empty()) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exe_ + L"\" " + arguments_;
    if (!CreateProcessW(exe_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
      return -1;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
  } else {
    DeleteFileW(gdiTrace_.c_str());
    RunUnix(L"/bin/sh -c \"WINEDEBUG=+gdi exec wine '" + UnixPath(exe_) + L"' " + arguments_ +
                L" 2>'" + UnixPath(gdiTrace_) + L"' >/dev/null\"",
            false);
  }
  const DWORD id = process_ ? GetProcessId(process_) : 0;  // unknown when started by a shell
  const bool found = WaitUntil([&] {
    window_ = id ? WindowOf(id, className_) : FindWindowW(className_, nullptr);
    return window_ != nullptr;
  }, 30000);
  if (!found) return -1;
  if (!process_) {
    DWORD id = 0;
    GetWindowThreadProcessId(window_, &id);
    process_ = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, id);
  }
  WaitForInputIdle(process_, 10000);
  const double seconds = Now() - start;
  procFolder_ = ProcFolderOf(exe_);
  return seconds;
}

void Measured::Stop() {
  if (!process_) return;
  PostMessageW(window_, WM_COMMAND, CMD_EXIT, 0);  // in Dusklamp and in the floor
  WaitForSingleObject(process_, 20000);
  CloseHandle(process_);
  process_ = nullptr;
  window_ = nullptr;
}

double Measured::CpuMs() const {
  double nanoseconds = 0;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((procFolder_ + L"\\task\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  do {
    if (found.cFileName[0] == L'.') continue;
    const std::string stat = ReadProcFile(procFolder_ + L"\\task\\" + found.cFileName + L"\\schedstat");
    nanoseconds += std::strtod(stat.c_str(), nullptr);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return nanoseconds / 1e6;
}

double Measured::ProcessTimesMs() const {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process_, &created, &ended, &kernel, &user)) return -1;
  auto ms = [](FILETIME t) { return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e4; };
  return ms(kernel) + ms(user);
}

// Wine leaves PrivateUsage at zero; its pagefile usage counts the same private commit.
double Measured::PrivateMb() const {
  const PROCESS_MEMORY_COUNTERS_EX counters = MemoryOf(process_);
  return double(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1048576.0;
}

double Measured::WorkingSetMb() const { return double(MemoryOf(process_).WorkingSetSize) / 1048576.0; }

DWORD Measured::Handles() const { return SystemHandleCount(GetProcessId(process_)); }

long Measured::GdiObjects() const { return gdiTrace_.empty() ? -1 : LiveGdiObjects(gdiTrace_).all; }

void Measured::ShowFader() const {
  PostMessageW(window_, WM_COMMAND, CMD_SHOW_FADER, 0);
  WaitUntil([&] { return IsWindowVisible(window_) != FALSE; }, 10000);
}

void Measured::WaitUntilHidden() const {
  WaitUntil([&] { return !IsWindowVisible(window_); }, 600000);
}

double Measured::FadeCpuMs() const {
  double ignored = 0;
  return FadeCpuMs(ignored);
}

double Measured::FadeCpuMs(double& processTimesMs) const {
  const double before = CpuMs(), beforeTimes = ProcessTimesMs();
  ShowFader();
  WaitUntilHidden();
  processTimesMs = ProcessTimesMs() - beforeTimes;
  return CpuMs() - before;
}

Spread SpreadOf(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  return {median, samples.front(), samples.back()};
}

double FileMb(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return double(data.nFileSizeLow) / 1048576.0;
}

std::wstring BenchFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  PathRemoveFileSpecW(path);
  return path;
}
