// The Fader driven through the tray message and the menu commands of the running program.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

RECT PrimaryWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcWork;
}

// A copy whose fades are short, so a whole fade fits in a test.
void WriteShortFadeSettings(const Dusklamp& app, int duration, int maxOpacity) {
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
                 "<Options><Fader fade_duration=\"" + std::to_string(duration) +
                     "\" max_opacity=\"" + std::to_string(maxOpacity) +
                     "\" /></Options></DusklampSettings>\n");
}

HWND OpenMenu(const Dusklamp& app) {
  app.Tray(WM_RBUTTONUP);
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = FindProcessWindow(app.ProcessId(), L"#32768", nullptr)) != nullptr; });
  return menu;
}

void PressMenuKey(HWND menu, wchar_t key) {
  PostMessageW(menu, WM_KEYDOWN, key, 0);
  PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
}

// The height of the ink of the digits in bold Arial of the given cell height.
int DigitHeight(int cellHeight) {
  const HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), 2 * cellHeight, -cellHeight, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  const HFONT font = CreateFontW(cellHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 ANTIALIASED_QUALITY, 0, L"Arial");
  const HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all{0, 0, 2 * cellHeight, cellHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, 0, 0, L"0123456789", 10);
  GdiFlush();
  int top = cellHeight, bottom = -1;
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int y = 0; y < cellHeight; ++y) {
    for (int x = 0; x < 2 * cellHeight; ++x) {
      if ((pixels[y * 2 * cellHeight + x] & 0xFFFFFF) == 0xFFFFFF) top = std::min(top, y), bottom = y;
    }
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return bottom - top + 1;
}

}  // namespace

TEST(Fader, LeftPressTogglesOnceAndDoubleClickDoesNothing) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  app.Tray(WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  app.Tray(WM_LBUTTONUP);
  app.Tray(WM_LBUTTONDBLCLK);
  app.Tray(WM_RBUTTONDOWN);
  app.Tray(WM_LBUTTONDOWN, 999);  // another icon's callback is swallowed
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.FaderVisible());
  app.Tray(WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }));
  EXPECT_EQ(1u, app.Exit());
}

TEST(Fader, ShownFaderCoversTheWorkAreaAndFadesInFromAlphaTwo) {
  Dusklamp app;
  WriteShortFadeSettings(app, 3, 100);
  ASSERT_TRUE(app.Start());
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  const int first = app.Alpha();
  EXPECT_GE(first, 2);
  EXPECT_LE(first, 60);  // a few steps in at most, far from the 255 it had before
  RECT rect{};
  GetWindowRect(app.Window(), &rect);
  const RECT work = PrimaryWorkArea();
  EXPECT_TRUE(EqualRect(&rect, &work));
  EXPECT_TRUE(WaitUntil([&] { return app.Alpha() == 255; }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }, 5000));  // the fade ends by itself
  EXPECT_EQ(1u, app.Exit());
}

TEST(Fader, HideFaderHidesAtOnceAndShowFaderDoesNotRestart) {
  Dusklamp app;
  WriteShortFadeSettings(app, 300, 100);
  ASSERT_TRUE(app.Start());
  app.Command(CMD_HIDE_FADER);  // hidden already: nothing
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  ASSERT_TRUE(WaitUntil([&] { return app.Alpha() > 10; }));
  const int before = app.Alpha();
  app.Command(CMD_SHOW_FADER);  // shown already: the running fade goes on
  ASSERT_TRUE(app.Settle());
  EXPECT_GE(app.Alpha(), before);
  app.Command(CMD_HIDE_FADER);
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }, 1000));
  EXPECT_GE(app.Alpha(), before);  // hiding keeps the opacity
  EXPECT_EQ(1u, app.Exit());
}

TEST(Fader, MenuMnemonicsReachTheMainWindow) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  HWND menu = OpenMenu(app);
  ASSERT_NE(nullptr, menu);
  UpdateWindow(menu);  // painted before the picture is taken
  SaveScreenshot(L"menu");
  PressMenuKey(menu, L'S');  // "&Show Fader" is offered while hidden
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  menu = OpenMenu(app);
  ASSERT_NE(nullptr, menu);
  PressMenuKey(menu, L'H');  // and "&Hide Fader" while shown
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }));
  menu = OpenMenu(app);
  ASSERT_NE(nullptr, menu);
  PressMenuKey(menu, L'X');
  EXPECT_EQ(1u, app.WaitForExit());
}

TEST(Fader, ScreenshotShowsTheTimeCentredOnTheOverlay) {
  Dusklamp app;
  WriteShortFadeSettings(app, 300, 100);
  ASSERT_TRUE(app.Start());
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  const RECT work = PrimaryWorkArea();
  std::unique_ptr<Screenshot> taken;  // once the X server shows the painted overlay
  ASSERT_TRUE(WaitUntil([&] {
    taken = std::make_unique<Screenshot>(SaveScreenshot(L"fader"));
    return taken->Width() > 0 && taken->At(work.left + 2, work.top + 2) == RGB(0, 0, 255);
  }));
  const Screenshot& shot = *taken;
  ASSERT_GT(shot.Width(), 0);
  const int width = shot.Width(), height = shot.Height();
  auto at = [&](int x, int y) { return shot.At(x, y); };
  EXPECT_EQ(RGB(0, 0, 255), at(work.left + 2, work.top + 2));
  EXPECT_EQ(RGB(0, 0, 255), at(work.right - 3, work.bottom - 3));
  long left = width, right = -1, top = height, bottom = -1, count = 0;
  for (int y = work.top; y < work.bottom; ++y) {
    for (int x = work.left; x < work.right; ++x) {
      if (at(x, y) == RGB(255, 255, 255)) {
        ++count;
        left = std::min<long>(left, x), right = std::max<long>(right, x);
        top = std::min<long>(top, y), bottom = std::max<long>(bottom, y);
      }
    }
  }
  ASSERT_GT(count, 5000) << "no time text on the overlay";
  const long centreX = (work.left + work.right) / 2, centreY = (work.top + work.bottom) / 2;
  EXPECT_NEAR(centreX, (left + right) / 2, 20);
  EXPECT_NEAR(centreY, (top + bottom) / 2, 40);
  EXPECT_GT(right - left, 400);  // five characters of a 250-pixel bold face
  // The size is kept at any scale: the digits are as tall as those of a 250-pixel face at
  // 96 DPI, times the scale (1.5 at 144 DPI), so they look as large as they did, only sharper.
  const double scale = DisplayDpi() / 96.0;
  EXPECT_NEAR(DigitHeight(250) * scale, double(bottom - top + 1), DigitHeight(250) * scale * 0.04);
  EXPECT_EQ(1u, app.Exit());
}
