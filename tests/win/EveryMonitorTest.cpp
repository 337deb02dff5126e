// The Fader on every monitor, on the pointer's one, and in the user's own clock format, with the
// monitors and the format given through their seams.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/fader/ClockFormat.h"
#include "ui/fader/Monitors.h"

namespace {

// Two monitors side by side on this display: the primary one on the left with a taskbar.
const MonitorArea kPrimary{{0, 0, 640, 800}, {0, 0, 640, 770}, true, false};
const MonitorArea kSecond{{640, 0, 1280, 800}, {640, 0, 1280, 800}, false, false};
std::vector<MonitorArea> monitors;
std::vector<MonitorArea> FakeMonitors() { return monitors; }

Rect WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

int AlphaOf(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
}

HWND cloakedWindow = nullptr;
HRESULT WINAPI FakeAttribute(HWND window, DWORD attribute, void* value, DWORD size) {
  if (attribute != 14 || size != sizeof(DWORD)) return E_INVALIDARG;
  *static_cast<DWORD*>(value) = window == cloakedWindow ? 2 : 0;  // DWM_CLOAKED_SHELL
  return S_OK;
}

// The text for the user's short time format only: the long one may differ from it.
const wchar_t* userFormat = L"12:45 PM";
int WINAPI FakeTimeFormat(LPCWSTR, DWORD flags, const SYSTEMTIME*, LPCWSTR format, LPWSTR text, int size) {
  wchar_t shortTime[80] = {};
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTTIME, shortTime, 80);
  if (flags != TIME_NOSECONDS || !userFormat || !format || wcscmp(format, shortTime) != 0) return 0;
  wcsncpy(text, userFormat, size_t(size));
  return int(wcslen(userFormat)) + 1;
}

}  // namespace

class EveryMonitorTest : public MainWindowTest {
 protected:
  void SetUp() override {
    monitors = {kSecond, kPrimary};  // the platform need not list the primary one first
    previousQuery = SetMonitorQuery(FakeMonitors);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetMonitorQuery(previousQuery);
  }
  std::vector<HWND> Others() const { return window.OtherOverlays(); }

  MonitorQuery previousQuery = nullptr;
};

TEST_F(EveryMonitorTest, AllMonitorsCoversEachWorkAreaAndEveryOverlayFadesAtOneOpacity) {
  FakeClock clock;
  clock.Set(7, 5, 0);
  FaderSettings::Instance().showOn = FaderMonitors::All;
  const HWND foreground = GetForegroundWindow();
  Send(CmdShowFader);
  EXPECT_EQ(kPrimary.work, WindowRect(hwnd));
  ASSERT_EQ(1u, Others().size());
  const HWND other = Others()[0];
  EXPECT_EQ(kSecond.work, WindowRect(other));
  EXPECT_TRUE(IsWindowVisible(other));
  EXPECT_EQ(hwnd, GetWindow(other, GW_OWNER));
  const LONG_PTR styles = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  EXPECT_EQ(styles, GetWindowLongPtrW(other, GWL_EXSTYLE) & styles);
  EXPECT_EQ(2, AlphaOf(other));
  for (int step = 0; step < 40; ++step) {
    FadeStep();
    ASSERT_EQ(Alpha(), AlphaOf(other)) << step;
  }
  EXPECT_GT(Alpha(), 2);
  UpdateWindow(other);
  EXPECT_EQ(L"07:05", TextOf(other));  // drawn as the main window is
  EXPECT_EQ(foreground, GetForegroundWindow());
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  Send(CmdHideFader);
  EXPECT_TRUE(Others().empty());
  EXPECT_FALSE(IsWindow(other));
}

TEST_F(EveryMonitorTest, TheDefaultCoversThePrimaryOnlyAndThePointerChoiceTheMonitorOfThePointer) {
  Send(CmdShowFader);
  EXPECT_EQ(kPrimary.work, WindowRect(hwnd));
  EXPECT_TRUE(Others().empty());
  Send(CmdHideFader);

  FaderSettings::Instance().showOn = FaderMonitors::Pointer;
  SetCursorPos(900, 300);
  Send(CmdShowFader);
  EXPECT_EQ(kSecond.work, WindowRect(hwnd));
  EXPECT_TRUE(Others().empty());
  // Chosen at the show: moving the pointer later does not move the Fader, not even at a layout change.
  SetCursorPos(100, 300);
  SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
  EXPECT_EQ(kSecond.work, WindowRect(hwnd));
  Send(CmdHideFader);
  Send(CmdShowFader);
  EXPECT_EQ(kPrimary.work, WindowRect(hwnd));
}

TEST_F(EveryMonitorTest, TheOverlaysFollowMonitorsPluggedInUnpluggedAndWorkAreasMoved) {
  FaderSettings::Instance().showOn = FaderMonitors::All;
  monitors = {kPrimary};
  Send(CmdShowFader);
  for (int step = 0; step < 20; ++step) FadeStep();
  ASSERT_TRUE(Others().empty());
  // Plugged in mid-fade: covered at once, at the opacity of the moment.
  monitors = {kPrimary, kSecond};
  SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
  ASSERT_EQ(1u, Others().size());
  EXPECT_EQ(kSecond.work, WindowRect(Others()[0]));
  EXPECT_GT(Alpha(), 2);
  EXPECT_EQ(Alpha(), AlphaOf(Others()[0]));
  // The taskbar moved to the second monitor.
  MonitorArea primary = kPrimary, second = kSecond;
  primary.work.bottom = 800;
  second.work.bottom = 770;
  monitors = {primary, second};
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_EQ(primary.work, WindowRect(hwnd));
  EXPECT_EQ(second.work, WindowRect(Others()[0]));
  // Unplugged, then the primary one moved: nothing stays where no monitor is.
  monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 740}, true, false}};
  SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  EXPECT_TRUE(Others().empty());
  EXPECT_EQ((Rect{0, 0, 1024, 740}), WindowRect(hwnd));
  EXPECT_TRUE(Visible());
}

TEST_F(EveryMonitorTest, AMonitorAnotherProgramCoversWholeGetsNoOverlayWhileBlockingIsOn) {
  FaderSettings::Instance().showOn = FaderMonitors::All;
  // A video playing full screen on the second monitor, not in the foreground.
  const HWND video = CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"video", WS_POPUP, 640, 0, 640, 800,
                                     nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(video);
  ShowWindow(video, SW_SHOWNOACTIVATE);
  ASSERT_NE(video, GetForegroundWindow());
  Send(CmdShowFader);
  EXPECT_EQ(kPrimary.work, WindowRect(hwnd));
  EXPECT_TRUE(Others().empty());
  Send(CmdHideFader);

  FaderSettings::Instance().autoBlock = false;
  Send(CmdShowFader);
  EXPECT_EQ(1u, Others().size());
  Send(CmdHideFader);

  // On the primary monitor instead: the main window takes the other one.
  FaderSettings::Instance().autoBlock = true;
  MoveWindow(video, 0, 0, 640, 800, FALSE);
  Send(CmdShowFader);
  EXPECT_EQ(kSecond.work, WindowRect(hwnd));
  EXPECT_TRUE(Others().empty());
  Send(CmdHideFader);
  // Both covered: nothing shows, and nothing changes.
  const HWND second = CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"video", WS_POPUP | WS_VISIBLE, 640, 0,
                                      640, 800, nullptr, nullptr, nullptr, nullptr);
  Send(CmdShowFader);
  EXPECT_FALSE(Visible());
  EXPECT_EQ(UINT(IconAutoFadeOn), Icon());
  // A cloaked window, which nobody sees, covers nothing.
  cloakedWindow = second;
  const WindowAttributeQuery previous = SetWindowAttributeQuery(FakeAttribute);
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
  EXPECT_EQ(kSecond.work, WindowRect(hwnd));
  SetWindowAttributeQuery(previous);
  DestroyWindow(second);
  DestroyWindow(video);
}

TEST_F(EveryMonitorTest, AMaximizedWindowWithACaptionLeavesItsMonitorToTheFader) {
  FaderSettings::Instance().showOn = FaderMonitors::All;
  const HWND editor = MaximizedWindowOver({640, 0, 1280, 800});  // the second monitor has no taskbar
  Send(CmdShowFader);
  EXPECT_EQ(1u, Others().size());
  DestroyWindow(editor);
}

class ClockFormatTest : public MainWindowTest {
 protected:
  void SetUp() override {
    previousFormat = SetTimeFormatFunction(FakeTimeFormat);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetTimeFormatFunction(previousFormat);
    userFormat = L"12:45 PM";
  }
  // The bounding box of the text colour's pixels in a paint of the Fader.
  RECT TextBounds() {
    RECT client{};
    GetClientRect(hwnd, &client);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    ReleaseDC(nullptr, screen);
    SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT bounds{client.right, client.bottom, -1, -1};
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        if (GetPixel(dc, x, y) != RGB(255, 255, 255)) continue;
        bounds.left = std::min<LONG>(bounds.left, x);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.right = std::max<LONG>(bounds.right, x + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
      }
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return bounds;
  }

  TimeFormatFunction previousFormat = nullptr;
};

TEST_F(ClockFormatTest, TheUsersFormatIsShownWhenChosenAndTheDefaultStaysTwentyFourHours) {
  FakeClock clock;
  clock.Set(12, 45, 0);
  Send(CmdShowFader);
  UpdateWindow(hwnd);
  EXPECT_EQ(L"12:45", TextOf(hwnd));
  FaderSettings::Instance().clock = ClockStyle::Windows;
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(L"12:45 PM", TextOf(hwnd));
  // A change of the regional settings shows at the next paint.
  userFormat = L"12.45";
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(L"12.45", TextOf(hwnd));
  userFormat = nullptr;  // Windows gives nothing: the 24-hour text
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  EXPECT_EQ(L"12:45", TextOf(hwnd));
}

TEST_F(ClockFormatTest, TwelveHourTextFitsTheWorkAreaAtTheLargestSizeWhereTheDefaultIsClipped) {
  FakeClock clock;
  clock.Set(12, 45, 0);
  FaderSettings& settings = FaderSettings::Instance();
  settings.textSize = 900;
  Send(CmdShowFader);
  RECT client{};
  GetClientRect(hwnd, &client);
  const RECT clipped = TextBounds();
  EXPECT_TRUE(clipped.left == 0 || clipped.right == client.right) << clipped.left << " " << clipped.right;

  settings.clock = ClockStyle::Windows;
  const RECT fitted = TextBounds();
  EXPECT_GT(fitted.left, 0);
  EXPECT_LT(fitted.right, client.right);
  EXPECT_GT(fitted.top, 0);
  EXPECT_LT(fitted.bottom, client.bottom);
  EXPECT_GT(fitted.right - fitted.left, client.right * 3 / 4);  // as large as fits, not smaller
  EXPECT_NEAR((fitted.left + fitted.right) / 2, client.right / 2, client.right / 50);

  // At the default size nothing shrinks: the digits are as tall as the 24-hour ones.
  settings.textSize = 250;
  const RECT twelve = TextBounds();
  settings.clock = ClockStyle::TwentyFourHour;
  const RECT twentyFour = TextBounds();
  EXPECT_EQ(twentyFour.bottom - twentyFour.top, twelve.bottom - twelve.top);
  EXPECT_GT(twelve.right - twelve.left, twentyFour.right - twentyFour.left);
}

TEST_F(ClockFormatTest, APausesEndIsNamedInTheChosenFormat) {
  FaderSettings::Instance().clock = ClockStyle::Windows;
  Send(CmdPause30Minutes);
  EXPECT_STREQ(L"Dusklamp - paused until 12:45 PM", window.Tray().Tip());
}
