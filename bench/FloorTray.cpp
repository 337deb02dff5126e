// The floor: the least a tray program that fades the time can be, built with the same compiler,
// flags and manifest as Dusklamp. A window, a tray icon and a message loop; on the Show Fader
// command the window fades in and out over the work area exactly as Dusklamp's does (a layered
// window, the same 100 ms steps and alpha changes, one fill and one draw of the time in bold
// Arial), and it ends on the same Exit command.
//
//   FloorTray.exe TEXT_SIZE FADE_SECONDS [ole] [comctl] [settings] [icon] [paint] [clock]
//
// The optional words add Dusklamp's start-up steps one at a time, so that the benchmark can say
// what each costs: OLE, the common controls (version 6, through the manifest), loading
// Settings.xml beside the program, the program's own tray icon, and a first paint of the Fader.
// With `clock` it also reads the clock every 5 seconds, as Dusklamp's automatic fades do.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "res/resource.h"
#include "settings/XmlDocument.h"
#include "ui/fader/FadeCurve.h"
#include "ui/fader/Geometry.h"

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT_PTR kClockTimer = 2;
int textSize = 250;
int fadeSeconds = 20;
int opacity = 1;
int elapsedMs = 0;
HFONT font = nullptr;

UINT Dpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  const auto getDpi = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return getDpi ? getDpi(window) : 96;
}

void SetAlpha(HWND window, int percent) {
  opacity = percent;
  SetLayeredWindowAttributes(window, 0, BYTE(percent * 255 / 100), LWA_ALPHA);
}

void Paint(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  SetBkColor(dc, RGB(0, 0, 255));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
  if (!font) {
    font = CreateFontW(int(ScaleForDpi(textSize, Dpi(window))), 0, 0, 0, FW_BOLD, 0, 0, 0,
                       DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, L"Arial");
  }
  const HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[8];
  std::swprintf(text, 8, L"%02u:%02u", unsigned{now.wHour}, unsigned{now.wMinute});
  DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

void Show(HWND window) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  MoveWindow(window, work.left, work.top, work.right - work.left, work.bottom - work.top, FALSE);
  elapsedMs = 0;
  SetAlpha(window, 1);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Step(HWND window) {
  elapsedMs += kFadeStepMs;
  const FadeStep step = NextFadeStep(elapsedMs, fadeSeconds, 70, opacity);
  if (step.action == FadeStep::Action::SetOpacity) SetAlpha(window, step.opacity);
  if (step.action == FadeStep::Action::Hide) {
    KillTimer(window, kFadeTimer);
    ShowWindow(window, SW_HIDE);
  }
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == CMD_EXIT) DestroyWindow(window);
      if (LOWORD(wParam) == CMD_SHOW_FADER && !IsWindowVisible(window)) {
        Show(window);
        SetTimer(window, kFadeTimer, kFadeStepMs, nullptr);
      }
      return 0;
    case WM_TIMER:
      if (wParam == kFadeTimer) {
        Step(window);
      } else {
        SYSTEMTIME now;
        GetLocalTime(&now);
      }
      return 0;
    case WM_ERASEBKGND:
      Paint(window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DESTROY: {
      NOTIFYICONDATAW record{};
      record.cbSize = NOTIFYICONDATAW_V2_SIZE;
      record.hWnd = window;
      record.uID = 1;
      Shell_NotifyIconW(NIM_DELETE, &record);
      PostQuitMessage(1);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Looked up when the step runs, so that the floor itself does not load the library.
template <typename Function>
Function From(const wchar_t* library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryW(library), name)));
}

void LoadSettingsBesideProgram() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring settings(path);
  settings = settings.substr(0, settings.rfind(L'\\') + 1) + L"Settings.xml";
  if (FILE* file = _wfopen(settings.c_str(), L"rb")) {
    XmlDocument document;
    document.Load(file);
    std::fclose(file);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  bool paint = false, ownIcon = false, clock = false;
  for (int i = 1; i < argc; ++i) {
    const std::wstring word = argv[i];
    if (i == 1) textSize = _wtoi(argv[i]);
    if (i == 2) fadeSeconds = _wtoi(argv[i]);
    if (word == L"ole") From<HRESULT(WINAPI*)(void*)>(L"ole32.dll", "OleInitialize")(nullptr);
    if (word == L"comctl") {
      INITCOMMONCONTROLSEX controls{sizeof(controls), 0x535};
      From<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(L"comctl32.dll", "InitCommonControlsEx")(&controls);
    }
    if (word == L"settings") LoadSettingsBesideProgram();
    if (word == L"icon") ownIcon = true;
    if (word == L"paint") paint = true;
    if (word == L"clock") clock = true;
  }
  LocalFree(argv);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"DusklampFloor";
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                                      L"DusklampFloor", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr,
                                      nullptr, instance, nullptr);
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V2_SIZE;
  record.hWnd = window;
  record.uID = 1;
  record.uFlags = NIF_ICON | NIF_TIP;
  record.hIcon = ownIcon ? static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(RES_ICON_MAIN), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0))
                         : LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(record.szTip, L"Floor");
  Shell_NotifyIconW(NIM_ADD, &record);
  if (paint) {  // the first paint of the Fader, at 1 percent, as a show does
    Show(window);
    UpdateWindow(window);
    ShowWindow(window, SW_HIDE);
  }
  if (clock) SetTimer(window, kClockTimer, 5000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return int(msg.wParam);
}
