#include "tests/desktop/Desktop.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

// This thread keeps dispatching its messages meanwhile: input for its own windows must not wait.
void Xdo(const std::wstring& arguments) {
  // start.exe can return before the Unix program has ended; a second xdotool started then would
  // interleave its events with this one's, so the shell leaves a mark once xdotool is done.
  static const std::wstring folder = FreshFolder(L"xdo");
  static int calls = 0;
  const std::wstring done = folder + L"\\done-" + std::to_wstring(++calls);
  const HANDLE process = StartUnix(L"/bin/sh -c \"/usr/bin/xdotool " + arguments + L"; : >'" +
                                       UnixPath(done) + L"'\"",
                                   true);
  if (!process) return;
  PumpUntil([&] { return FileExists(done); }, 30000);
  CloseHandle(process);
}

void ClickAt(POINT point, int button) {
  Xdo(L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y) +
      L" click " + std::to_wstring(button));
}

void GiveXFocus(const std::wstring& title) {
  Xdo(L"search --onlyvisible --name '^" + title + L"$' windowfocus");
}

void UserWindow::ClickToFocus() const {
  ClickAt(Plain());
  GiveXFocus(L"UserWork");
}

void PressKeys(const std::wstring& keys) { Xdo(L"key " + keys); }

void TypeText(const std::wstring& text) { Xdo(L"type " + text); }

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

HWND TrayIconWindow() {
  const HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  const HWND icon = tray ? FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
  return icon && IsWindowVisible(icon) ? icon : nullptr;
}

POINT TrayIconPoint() { return CentreOf(TrayIconWindow()); }

void ClickTrayIcon(int button) {
  // Two clicks within the double-click time would be one double click, which toggles nothing.
  static DWORD last = GetTickCount() - 10000;
  PumpUntil([] { return GetTickCount() - last > GetDoubleClickTime() + 100; });
  ClickAt(TrayIconPoint(), button);
  last = GetTickCount();
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

namespace {

// Item rectangles relative to the menu window, learned once from the same menu opened in this
// process: another process cannot read Dusklamp's menu under Wine.
std::vector<RECT> itemOffsets;

LRESULT CALLBACK MeasureMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && itemOffsets.empty()) {
    const auto menuWindow = reinterpret_cast<HWND>(lParam);
    RECT frame{};
    GetWindowRect(menuWindow, &frame);
    const auto menu = reinterpret_cast<HMENU>(GetWindowLongPtrW(window, GWLP_USERDATA));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      RECT item{};
      GetMenuItemRect(window, menu, UINT(i), &item);
      // Windows answers in screen coordinates, Wine relative to the menu window.
      if (PtInRect(&frame, {item.left, item.top})) OffsetRect(&item, -frame.left, -frame.top);
      itemOffsets.push_back(item);
    }
    EndMenu();
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void LearnMenuLayout() {
  const HMODULE program = LoadLibraryExW(BuiltDusklamp().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HMENU menu = LoadMenuW(program, MAKEINTRESOURCEW(RES_MENU_TRAY));
  const HMENU popup = GetSubMenu(menu, 0);
  RemoveMenu(popup, CMD_TOGGLE_SHOW, MF_BYCOMMAND);  // as the program shows it
  RemoveMenu(popup, CMD_HIDE_FADER, MF_BYCOMMAND);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MeasureMenu;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"MenuMeasure";
  RegisterClassW(&windowClass);
  const HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"MenuMeasure", L"", WS_POPUP, 0, 0, 1, 1,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(popup));
  SetForegroundWindow(owner);
  TrackPopupMenu(popup, 0, 300, 300, 0, owner, nullptr);
  DestroyWindow(owner);
  DestroyMenu(menu);
  FreeLibrary(program);
}

}  // namespace

POINT MenuItemPoint(HWND menuWindow, int index) {
  if (itemOffsets.empty()) LearnMenuLayout();
  RECT frame{};
  GetWindowRect(menuWindow, &frame);
  if (index < 0 || size_t(index) >= itemOffsets.size()) return {-1, -1};
  const RECT& item = itemOffsets[size_t(index)];
  return {frame.left + (item.left + item.right) / 2, frame.top + (item.top + item.bottom) / 2};
}

POINT SubmenuItemPoint(HWND submenuWindow, int index) {
  if (itemOffsets.empty()) LearnMenuLayout();
  RECT frame{};
  GetWindowRect(submenuWindow, &frame);
  const RECT& first = itemOffsets.front();  // a text item, as tall as the submenu's, as far down
  const long height = first.bottom - first.top;
  return {(frame.left + frame.right) / 2, frame.top + first.top + index * height + height / 2};
}

int ColourDistance(COLORREF a, COLORREF b) {
  return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                   std::abs(GetBValue(a) - GetBValue(b))});
}

COLORREF Blend(COLORREF top, COLORREF beneath, int alpha) {
  const auto mix = [alpha](int t, int b) { return BYTE((t * alpha + b * (255 - alpha) + 127) / 255); };
  return RGB(mix(GetRValue(top), GetRValue(beneath)), mix(GetGValue(top), GetGValue(beneath)),
             mix(GetBValue(top), GetBValue(beneath)));
}

UserWindow::UserWindow(const RECT& place, COLORREF colour, COLORREF patchColour)
    : place_(place), colour_(colour), patchColour_(patchColour) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"UserWork";
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, L"UserWork", L"UserWork", WS_OVERLAPPEDWINDOW, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  PumpUntil([&] { return IsForeground(); }, 5000);
}

UserWindow::~UserWindow() { DestroyWindow(window_); }

POINT UserWindow::Plain() const {
  POINT point{60, 60};
  ClientToScreen(window_, &point);
  return point;
}

POINT UserWindow::Patch() const {
  RECT client{};
  GetClientRect(window_, &client);
  POINT point{client.right - 60, client.bottom - 60};
  ClientToScreen(window_, &point);
  return point;
}

LRESULT CALLBACK UserWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<UserWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_LBUTTONDOWN:
      ++self->clicks_;
      return 0;
    case WM_CHAR:
      self->typed_ += wchar_t(wParam);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      SetBkColor(dc, self->colour_);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
      RECT patch{client.right - 100, client.bottom - 100, client.right - 20, client.bottom - 20};
      SetBkColor(dc, self->patchColour_);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &patch, L"", 0, nullptr);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}
