#pragma once
// What the benchmark reads of a program it started: CPU time from the Linux side at nanosecond
// resolution, memory and handles from the system, GDI objects from Wine's own trace.
#include <windows.h>

#include <string>
#include <vector>

class Measured {
 public:
  // `arguments` follow the program's path on its command line. With `gdiTrace`, Wine's +gdi
  // trace of the program goes to that file.
  Measured(std::wstring exe, const wchar_t* className, std::wstring arguments = L"",
           std::wstring gdiTrace = L"");
  ~Measured();
  Measured(const Measured&) = delete;
  Measured& operator=(const Measured&) = delete;

  // Starts the program; the wall-clock seconds until its window exists and its message loop
  // waits for input, or a negative number when it did not come up.
  double Start();
  void Stop();
  HWND Window() const { return window_; }

  // CPU time of all the process's threads (the kernel's schedstat, read through Wine's Z:).
  double CpuMs() const;
  // The same as the system reports it to Windows programs (GetProcessTimes), for comparison.
  double ProcessTimesMs() const;
  double PrivateMb() const;
  double WorkingSetMb() const;
  DWORD Handles() const;
  long GdiObjects() const;  // -1 without a trace
  // One whole fade: the Show Fader command until the window hid itself; the CPU it cost.
  double FadeCpuMs() const;
  // The same fade, with the CPU also as GetProcessTimes reports it.
  double FadeCpuMs(double& processTimesMs) const;
  // The same in two halves, so that two programs can fade side by side.
  void ShowFader() const;
  void WaitUntilHidden() const;

 private:
  std::wstring exe_, arguments_, gdiTrace_;
  const wchar_t* className_;
  HANDLE process_ = nullptr;
  HWND window_ = nullptr;
  std::wstring procFolder_;  // Z:\proc\<Linux pid>
};

// Median, minimum and maximum of samples.
struct Spread {
  double median = 0, min = 0, max = 0;
};
Spread SpreadOf(std::vector<double> samples);

double FileMb(const std::wstring& path);
std::wstring BenchFolder();
