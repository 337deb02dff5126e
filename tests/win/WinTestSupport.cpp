#include "tests/win/WinTestSupport.h"

#include <cstdio>
#include <string>

#include "ui/fader/LocalTime.h"

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring exe(path);
  return exe.substr(0, exe.rfind(L'\\'));
}

std::wstring PortableSettingsFile() { return ExeFolder() + L"\\Settings.xml"; }

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    PumpMessages();
    Sleep(5);
  }
  return true;
}

void DropQuitMessage() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

HWND ForegroundWindowAt(const RECT& rect) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ForegroundProgram";
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(0, L"ForegroundProgram", L"program", WS_POPUP | WS_VISIBLE,
                                      rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window);
  PumpUntil([&] { return GetForegroundWindow() == window; }, 2000);
  return window;
}

HWND MaximizedWindowOver(const RECT& work) {
  const int frame = GetSystemMetrics(SM_CXSIZEFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
  const HWND window = CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"editor", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE,
                                      work.left - frame, work.top - frame, work.right - work.left + 2 * frame,
                                      work.bottom - work.top + 2 * frame, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOWNA);  // as it is: SW_SHOWNOACTIVATE would restore it
  return window;
}

SYSTEMTIME FakeClock::now;
ULONGLONG FakeClock::ticks;

namespace {
void WINAPI ReadFakeClock(SYSTEMTIME* time) { *time = FakeClock::now; }
ULONGLONG WINAPI ReadFakeTicks() { return FakeClock::ticks; }
}  // namespace

FakeClock::FakeClock() {
  now = {2026, 12, 2, 8, 10, 0, 0, 0};
  ticks = 1000000;
  SetLocalClock(ReadFakeClock);
  SetTickClock(ReadFakeTicks);
  static const TIME_ZONE_INFORMATION utc{};  // whatever zone the machine is in
  SetTimeZone(&utc);
}

FakeClock::~FakeClock() {
  SetLocalClock(nullptr);
  SetTickClock(nullptr);
  SetTimeZone(nullptr);
}

void FakeClock::Set(WORD hour, WORD minute, WORD second) {
  now.wHour = hour;
  now.wMinute = minute;
  now.wSecond = second;
}

namespace {
std::function<bool()> pendingAction;
DWORD pendingSince = 0;

// A test that went wrong must not leave a modal loop running forever.
void CancelEverythingModal() {
  EndMenu();
  for (HWND dialog; (dialog = FindThreadDialog(nullptr)) != nullptr;) {
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (IsWindowVisible(dialog)) ShowWindow(dialog, SW_HIDE);
  }
}
}  // namespace

void WhenModal(std::function<bool()> action) {
  pendingAction = std::move(action);
  pendingSince = GetTickCount();
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (!pendingAction) {
      KillTimer(nullptr, id);
      return;
    }
    if (pendingAction()) {
      pendingAction = nullptr;
    } else if (GetTickCount() - pendingSince > 10000) {
      pendingAction = nullptr;
      CancelEverythingModal();
    }
  });
}

bool ReturnsWithin(const std::function<void()>& action, DWORD timeoutMs) {
  static bool expired;
  expired = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    expired = true;
    CancelEverythingModal();
  });
  action();
  KillTimer(nullptr, timer);
  return !expired;
}

HWND FindThreadDialog(const wchar_t* caption) {
  struct Search {
    const wchar_t* caption;
    HWND found;
  } search{caption, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t text[256] = {}, cls[64] = {};
        GetWindowTextW(window, text, 256);
        GetClassNameW(window, cls, 64);
        const bool match = s.caption ? wcscmp(text, s.caption) == 0 : wcscmp(cls, L"#32770") == 0;
        if (match && IsWindowVisible(window)) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

ClientCanvas::ClientCanvas(HWND window) : window_(window) {
  GetClientRect(window, &rect);
  const HDC screen = GetDC(window);
  dc = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
  ReleaseDC(window, screen);
  oldBitmap_ = SelectObject(dc, bitmap_);
}

ClientCanvas::~ClientCanvas() {
  SelectObject(dc, oldBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc);
}

void ClientCanvas::PrintClient() {
  SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

COLORREF ClientPixel(HWND window, int x, int y) {
  ClientCanvas canvas(window);
  canvas.PrintClient();
  return GetPixel(canvas.dc, x, y);
}

DWORD ExitCodeOfThisProgram(const std::wstring& arguments) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  // Seen once under Wine: a start failing right after the crash of the one before. Not what is
  // tested here, so it is said and tried again.
  for (int attempt = 0; !CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process); ++attempt) {
    std::fprintf(stderr, "could not start %ls: error %lu\n", arguments.c_str(), GetLastError());
    if (attempt == 2) return DWORD(-1);
    Sleep(500);
  }
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return code;
}
