#pragma once
// Starts Dusklamp.exe as its own process, in a folder of its own so that its Settings.xml lands
// there, and drives it only from outside: its class name, commands and tray message.
#include <windows.h>

#include <functional>
#include <string>

std::wstring TestExeFolder();
std::wstring BuiltDusklamp();
// A fresh, empty folder under the build tree; `name` may hold any characters.
std::wstring FreshFolder(const std::wstring& name);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// A path on Z:, the root of the file system, as the Unix side names it.
std::wstring UnixPath(const std::wstring& path);
// Runs a Unix command line through Wine's start.exe, waiting for it to end when `wait`.
bool RunUnix(const std::wstring& command, bool wait);
// Starts one and returns the handle of the start.exe process, which ends with the command when
// `wait`; null if it could not start.
HANDLE StartUnix(const std::wstring& command, bool wait);

// Polls until the condition holds; false after the timeout.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// The scale the Wine prefix runs at: 96, or what tests/dpi/at-log-pixels set.
int DisplayDpi();

// Saves the whole screen as a BMP under build/win/screenshots and returns its path; on a scaled
// display the name ends in its DPI ("options-144").
std::wstring SaveScreenshot(const std::wstring& name);

// The pixels of a saved screenshot, rows from the top.
class Screenshot {
 public:
  explicit Screenshot(const std::wstring& path);
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const;

 private:
  std::string bytes_;
  int width_ = 0, height_ = 0, bytesPerPixel_ = 0, stride_ = 0;
  size_t offset_ = 0;
};

// A copy of Dusklamp.exe started as its own process.
class Dusklamp {
 public:
  // Copies the program into `folder` (a fresh folder when empty) unless it is already there.
  explicit Dusklamp(std::wstring folder = L"");
  ~Dusklamp();
  Dusklamp(const Dusklamp&) = delete;
  Dusklamp& operator=(const Dusklamp&) = delete;

  // Starts the program and waits for its main window; false if none appeared.
  bool Start(const std::wstring& arguments = L"", WORD showWindow = SW_SHOWNORMAL);
  // Starts the program from a Unix shell with Wine's variables set ("WINEDEBUG=+gdi"), Wine's
  // output going to `errorFile`; a start traced call by call takes longer than `timeoutMs`
  // allows otherwise.
  bool StartUnderWine(const std::wstring& variables, const std::wstring& errorFile, DWORD timeoutMs = 15000);
  // Starts the program with Wine's trace of GDI allocations going to `traceFile`.
  bool StartTracingGdi(const std::wstring& traceFile);
  // Starts another copy from the same file and returns its exit code once it ended.
  DWORD StartSecondCopy();
  // Sends E&xit and returns the exit code.
  DWORD Exit();
  // Waits for the process to end on its own; STILL_ACTIVE on timeout.
  DWORD WaitForExit(DWORD timeoutMs = 15000);

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.dwProcessId; }
  const std::wstring& Folder() const { return folder_; }
  std::wstring SettingsPath() const { return folder_ + L"\\Settings.xml"; }

  void Command(UINT id) const;
  // Returns once the program has handled everything posted to it before: posted messages are
  // handled in order, so an About dialog opened after them marks the point. False after a
  // generous limit.
  bool Settle() const;
  // The tray icon's callback, as the shell sends it.
  void Tray(UINT mouseMessage, WPARAM iconId = 206) const;
  bool FaderVisible() const;
  // The layered window's alpha, or -1.
  int Alpha() const;

 private:
  std::wstring folder_;
  std::wstring exe_;
  bool Launched(bool started);
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// Live GDI objects in a Wine GDI trace of the process, by kind.
struct GdiObjects {
  long all = 0;        // every kind; -1 when the trace holds none
  long windowDcs = 0;  // window DCs, which Wine keeps for reuse, each with a companion object
  long regions = 0;    // Wine's visible and update regions, changing in number by the moment
  // What the program's own drawing keeps: it makes memory DCs, never window DCs or regions.
  long Drawing() const { return all - 2 * windowDcs - regions; }
};
GdiObjects LiveGdiObjects(const std::wstring& traceFile);
// Open handles of a process, from the system's handle table (GetProcessHandleCount of another
// process gives 0 under Wine).
DWORD SystemHandleCount(DWORD processId);

// What a copy started under Wine with `Variables()` plays, captured: ALSA's default device is
// the file plugin there, which appends every sample played to a file.
class Hearing {
 public:
  Hearing();
  std::wstring Variables() const;
  // The raw samples played so far.
  std::string Heard() const;

 private:
  std::wstring folder_;
};

// Finds a top-level window of the given process by its caption.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption);
