// Dusklamp on two monitors (tests/desktop/on-two-monitors), with the compositor and real input:
// which monitors fade, where the digits stand, clicks and the keyboard on the second monitor,
// and outputs switched off and on while the Fader shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/LockName.h"
#include "res/resource.h"
#include "tests/desktop/Desktop.h"
#include "tests/e2e/Harness.h"

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kPatch = RGB(200, 40, 120);
constexpr COLORREF kOverlay = RGB(0, 0, 255);
// The layout the script sets up: DUMMY0 primary on the left, DUMMY1 beside it.
constexpr RECT kPrimary{0, 0, 1280, 800};
constexpr RECT kSecond{1280, 0, 2304, 768};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(data)->push_back(info.rcMonitor);
  return TRUE;
}

std::vector<RECT> Monitors() {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

bool HasMonitor(const RECT& rect) {
  const std::vector<RECT> monitors = Monitors();
  return std::any_of(monitors.begin(), monitors.end(), [&](const RECT& m) { return Same(m, rect); });
}

struct Search {
  DWORD process;
  std::vector<HWND> found;
};

// The visible windows of the Fader: the main window and the other monitors' overlays.
std::vector<RECT> FaderRects(DWORD process) {
  Search search{process, {}};
  EnumWindows([](HWND window, LPARAM data) -> BOOL {
    auto& s = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    const std::wstring name = cls;
    if (owner == s.process && IsWindowVisible(window) && (name == L"DusklampOverlay" || name == kLockName)) {
      s.found.push_back(window);
    }
    return TRUE;
  }, reinterpret_cast<LPARAM>(&search));
  std::vector<RECT> rects;
  for (HWND window : search.found) {
    RECT rect{};
    GetWindowRect(window, &rect);
    rects.push_back(rect);
  }
  return rects;
}

bool Covers(const std::vector<RECT>& rects, const RECT& area) {
  return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) { return Same(r, area); });
}

bool Touches(const std::vector<RECT>& rects, const RECT& area) {
  RECT both{};
  return std::any_of(rects.begin(), rects.end(), [&](const RECT& r) { return IntersectRect(&both, &r, &area); });
}

std::string SettingsShowingOn(const char* showOn, int duration) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
         "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
         "<Options><Fader fade_duration=\"" + std::to_string(duration) +
         "\" max_opacity=\"70\" text_color=\"#FFFF00\" show_on=\"" + showOn +
         "\" /></Options></DusklampSettings>\n";
}

void Xrandr(const std::wstring& arguments) { RunUnix(L"/usr/bin/xrandr " + arguments, true); }

class TwoMonitors : public testing::Test {
 protected:
  void StartWith(const char* showOn, int duration = 20) {
    ASSERT_TRUE(PumpUntil([] { return Monitors().size() == 2 && HasMonitor(kSecond); }))
        << Monitors().size() << " monitors: these tests run on the two-monitor display of "
                                "tests/desktop/on-two-monitors";
    WriteFileBytes(app.SettingsPath(), SettingsShowingOn(showOn, duration));
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(PumpUntil([] { return TrayIconWindow() != nullptr; }));
    user.ClickToFocus();
    ASSERT_TRUE(PumpUntil([&] { return user.IsForeground(); }));
  }
  void TearDown() override {
    // Whatever a test did to the outputs, the next one starts on both.
    if (!HasMonitor(kSecond)) Xrandr(L"--output DUMMY1 --mode 1024x768 --pos 1280x0");
  }

  // The screen at `point` while the Fader holds: blended with the window beneath, or not.
  bool ShowsAtHold(POINT point, COLORREF expected, const wchar_t* name) {
    COLORREF seen = CLR_INVALID;
    const bool shown = PumpUntil([&] {
      seen = Screenshot(SaveScreenshot(name)).At(point.x, point.y);
      return ColourDistance(seen, expected) <= 4;
    });
    if (!shown) {
      ADD_FAILURE() << name << ": at " << point.x << "," << point.y << " the screen shows " << std::hex << seen
                    << ", expected " << expected;
    }
    return shown;
  }
  bool Held() { return PumpUntil([&] { return app.Alpha() == 178; }); }

  // Where the digits stand on a monitor: the box of the text colour's pixels (only they have
  // much red in them here).
  static RECT DigitsOn(const Screenshot& shot, const RECT& monitor) {
    RECT box{monitor.right, monitor.bottom, monitor.left, monitor.top};
    for (long y = monitor.top; y < monitor.bottom; y += 2) {
      for (long x = monitor.left; x < monitor.right; x += 2) {
        if (GetRValue(shot.At(x, y)) <= 120) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
      }
    }
    return box;
  }
  static void ExpectCentredOn(const RECT& digits, const RECT& area) {
    EXPECT_LT(digits.left, digits.right) << "no digits on " << area.left << "," << area.top;
    EXPECT_NEAR((digits.left + digits.right) / 2, (area.left + area.right) / 2, 16);
    EXPECT_NEAR((digits.top + digits.bottom) / 2, (area.top + area.bottom) / 2, 40);
  }

  // Where Wine tells the running program nothing of a change of the outputs, the test sends
  // the message Windows would, and says so.
  void WhenDusklampMissesTheChange(const std::function<bool()>& followed, const char* change) {
    if (PumpUntil(followed, 10000)) return;
    std::fprintf(stderr, "desktop: Dusklamp did not follow %s by itself; sending WM_DISPLAYCHANGE as Windows would\n",
                 change);
    PostMessageW(app.Window(), WM_DISPLAYCHANGE, 32, 0);
  }

  Dusklamp app;
  UserWindow user{{240, 120, 1040, 680}, kPaper, kPatch};
  UserWindow second{{1480, 100, 2180, 700}, kPaper, kPatch};
};

}  // namespace

TEST_F(TwoMonitors, TheDefaultFadesOnlyThePrimaryMonitor) {
  StartWith("primary");
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(Held());
  EXPECT_TRUE(ShowsAtHold(user.Plain(), Blend(kOverlay, kPaper, 178), L"two-primary"));
  EXPECT_TRUE(ShowsAtHold(second.Plain(), kPaper, L"two-primary"));
  EXPECT_TRUE(user.IsForeground());
}

TEST_F(TwoMonitors, AllMonitorsFadeTogetherWithTheDigitsCentredOnEachAndClicksGoThrough) {
  StartWith("all");
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(Held());
  EXPECT_TRUE(ShowsAtHold(user.Plain(), Blend(kOverlay, kPaper, 178), L"two-all"));
  EXPECT_TRUE(ShowsAtHold(second.Plain(), Blend(kOverlay, kPaper, 178), L"two-all"));
  const Screenshot shot(SaveScreenshot(L"two-all"));
  ExpectCentredOn(DigitsOn(shot, kPrimary), kPrimary);
  ExpectCentredOn(DigitsOn(shot, kSecond), kSecond);
  EXPECT_TRUE(user.HasKeyboard());
  // A real click on the second monitor's overlay reaches the window beneath.
  const int before = second.Clicks();
  ClickAt(second.Plain());
  EXPECT_TRUE(PumpUntil([&] { return second.Clicks() == before + 1; }));
  EXPECT_TRUE(app.FaderVisible());
}

TEST_F(TwoMonitors, ThePointersMonitorFadesWhereThePointerIsAtTheShow) {
  StartWith("pointer");
  Xdo(L"mousemove 1400 50");
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(Held());
  EXPECT_TRUE(ShowsAtHold(second.Plain(), Blend(kOverlay, kPaper, 178), L"two-pointer"));
  EXPECT_TRUE(ShowsAtHold(user.Plain(), kPaper, L"two-pointer"));
  EXPECT_TRUE(user.IsForeground());
}

TEST_F(TwoMonitors, AnOutputSwitchedOffMidFadeLeavesNoOverlayAndOneSwitchedOnIsCovered) {
  StartWith("all", 300);
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(PumpUntil([&] { return Covers(FaderRects(app.ProcessId()), kSecond) && app.Alpha() > 10; }));

  Xrandr(L"--output DUMMY1 --off");
  ASSERT_TRUE(PumpUntil([] { return !HasMonitor(kSecond); }));
  WhenDusklampMissesTheChange([&] { return !Touches(FaderRects(app.ProcessId()), kSecond); }, "an output switched off");
  EXPECT_TRUE(PumpUntil([&] { return !Touches(FaderRects(app.ProcessId()), kSecond); }));
  EXPECT_TRUE(Covers(FaderRects(app.ProcessId()), kPrimary));

  Xrandr(L"--output DUMMY1 --mode 1024x768 --pos 1280x0");
  ASSERT_TRUE(PumpUntil([] { return HasMonitor(kSecond); }));
  WhenDusklampMissesTheChange([&] { return Covers(FaderRects(app.ProcessId()), kSecond); }, "an output switched on");
  EXPECT_TRUE(PumpUntil([&] { return Covers(FaderRects(app.ProcessId()), kSecond); }));
  // At the opacity of the moment, not from the start of a fade: both monitors look the same.
  EXPECT_TRUE(PumpUntil([&] {
    const Screenshot shot(SaveScreenshot(L"two-plugged"));
    const COLORREF primary = shot.At(user.Plain().x, user.Plain().y);
    return ColourDistance(primary, shot.At(second.Plain().x, second.Plain().y)) <= 4 &&
           ColourDistance(primary, kPaper) > 40;
  }));
}
