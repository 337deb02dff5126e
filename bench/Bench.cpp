// Measures Dusklamp beside the floor tray program, under the same Wine, and prints a table with
// ratios. Times come from the processes' own CPU accounting; nothing here is a test.
#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "app/LockName.h"
#include "res/resource.h"

namespace {

struct Program {
  std::wstring exe;
  const wchar_t* className;
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
};

std::wstring Folder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  PathRemoveFileSpecW(path);
  return path;
}

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return double(counter.QuadPart) / double(frequency.QuadPart);
}

double CpuSeconds(HANDLE process) {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(process, &created, &ended, &kernel, &user);
  auto seconds = [](FILETIME t) { return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7; };
  return seconds(kernel) + seconds(user);
}

// Seconds from process creation until its window exists and its message loop is idle.
double Start(Program& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + program.exe + L"\"";
  const double start = Now();
  CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                 nullptr, &startup, &program.process);
  while (!(program.window = FindWindowW(program.className, nullptr))) Sleep(1);
  WaitForInputIdle(program.process.hProcess, 10000);
  return Now() - start;
}

void Stop(Program& program) {
  PostMessageW(program.window, WM_COMMAND, CMD_EXIT, 0);
  WaitForSingleObject(program.process.hProcess, 20000);
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
}

struct Memory {
  double privateMb, workingSetMb;
};

// Wine leaves PrivateUsage at zero; its pagefile usage counts the same private commit.
Memory MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return {double(privateBytes) / 1048576.0, double(counters.WorkingSetSize) / 1048576.0};
}


// One whole fade from a show until the Fader hides itself; the CPU time it cost.
double FadeCpu(const Program& program) {
  const double before = CpuSeconds(program.process.hProcess);
  PostMessageW(program.window, WM_COMMAND, CMD_SHOW_FADER, 0);
  while (!IsWindowVisible(program.window)) Sleep(1);
  while (IsWindowVisible(program.window)) Sleep(5);
  return CpuSeconds(program.process.hProcess) - before;
}

double FileMb(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return double(data.nFileSizeLow) / 1048576.0;
}

void WriteSettings(const std::wstring& folder, int duration, int textSize) {
  const std::wstring path = folder + L"\\Settings.xml";
  FILE* file = _wfopen(path.c_str(), L"w");
  std::fprintf(file,
               "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">"
               "<Options><Fader fade_duration=\"%d\" text_size=\"%d\" auto_block=\"0\" /></Options></DusklampSettings>",
               duration, textSize);
  std::fclose(file);
}

constexpr double kNoFloor = -1;

void Row(const char* what, double dusklamp, double floor, const char* unit) {
  if (floor == kNoFloor) {
    std::printf("| %-44s | %10.3f %-3s | %14s | %7s |\n", what, dusklamp, unit, "-", "-");
  } else if (floor > 0) {
    std::printf("| %-44s | %10.3f %-3s | %10.3f %-3s | %7.2f |\n", what, dusklamp, unit, floor, unit, dusklamp / floor);
  } else {
    std::printf("| %-44s | %10.3f %-3s | %10.3f %-3s | %7s |\n", what, dusklamp, unit, floor, unit, "-");
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const DWORD idleMs = argc > 1 ? DWORD(_wtoi(argv[1])) * 1000 : 60000;
  const int fades = argc > 2 ? _wtoi(argv[2]) : 100;
  const std::wstring folder = Folder();
  Program dusklamp{folder + L"\\Dusklamp.exe", kLockName};
  Program floor{folder + L"\\FloorTray.exe", L"DusklampFloor"};

  WriteSettings(folder, 20, 250);
  const double startDusklamp = Start(dusklamp);
  const double startFloor = Start(floor);
  Sleep(1000);
  const Memory memoryDusklamp = MemoryOf(dusklamp.process.hProcess);
  const Memory memoryFloor = MemoryOf(floor.process.hProcess);
  const double idleStartDusklamp = CpuSeconds(dusklamp.process.hProcess);
  const double idleStartFloor = CpuSeconds(floor.process.hProcess);
  Sleep(idleMs);  // both idle side by side; Dusklamp only runs its 5-second check
  const double idleDusklamp = CpuSeconds(dusklamp.process.hProcess) - idleStartDusklamp;
  const double idleFloor = CpuSeconds(floor.process.hProcess) - idleStartFloor;
  const double fade = FadeCpu(dusklamp);
  Stop(dusklamp);

  WriteSettings(folder, 1, 900);  // short fades with the largest text: many 900-pixel frames
  Start(dusklamp);
  const double paintBefore = CpuSeconds(dusklamp.process.hProcess);
  for (int i = 0; i < fades; ++i) FadeCpu(dusklamp);
  const double perShortFade = (CpuSeconds(dusklamp.process.hProcess) - paintBefore) / fades;
  Sleep(1000);
  const Memory afterFades = MemoryOf(dusklamp.process.hProcess);
  Stop(dusklamp);
  Stop(floor);

  std::printf("| %-44s | %14s | %14s | %7s |\n", "measure", "Dusklamp", "floor", "ratio");
  std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(),
              std::string(16, '-').c_str(), std::string(9, '-').c_str());
  Row("start-up until window and idle loop", startDusklamp * 1000, startFloor * 1000, "ms");
  Row("private bytes after start", memoryDusklamp.privateMb, memoryFloor.privateMb, "MB");
  Row("working set after start", memoryDusklamp.workingSetMb, memoryFloor.workingSetMb, "MB");
  Row("private bytes after the fades", afterFades.privateMb, memoryFloor.privateMb, "MB");
  Row("working set after the fades", afterFades.workingSetMb, memoryFloor.workingSetMb, "MB");
  Row("CPU over the idle period, Fader hidden", idleDusklamp * 1000, idleFloor * 1000, "ms");
  Row("CPU of one default fade (201 steps)", fade * 1000, kNoFloor, "ms");
  Row("CPU of one 1 s fade at text size 900", perShortFade * 1000, kNoFloor, "ms");
  Row("size of the executable", FileMb(dusklamp.exe), FileMb(floor.exe), "MB");
  std::printf("\nidle period %lu s, %d short fades\n", idleMs / 1000, fades);
  return 0;
}
