// What the Fader draws, read back from the real paint handler, and the time font cache.
#include <cwchar>

#include "tests/win/MainWindowFixture.h"
#include "ui/fader/DcAttributeScope.h"
#include "ui/fader/TimeFont.h"

namespace {

// A memory canvas the size of the Fader's client area.
struct Canvas {
  explicit Canvas(HWND window) {
    GetClientRect(window, &rect);
    const HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
    old = SelectObject(dc, bitmap);
    ReleaseDC(nullptr, screen);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  // Pixels that differ between two canvases of the same size.
  long Differences(const Canvas& other) const {
    long count = 0;
    for (long y = 0; y < rect.bottom; y += 2) {
      for (long x = 0; x < rect.right; x += 2) count += GetPixel(dc, x, y) != GetPixel(other.dc, x, y);
    }
    return count;
  }
  RECT rect{};
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
};

}  // namespace

TEST_F(MainWindowTest, PaintFillsTheOverlayColourAndCentresTheTimeText) {
  FakeClock clock;
  clock.Set(7, 5, 42);
  FaderSettings::Instance().overlayColor = ArgbColor{0x00102030};  // alpha 0 draws the same
  FaderSettings::Instance().textColor = ArgbColor::FromRgb(250, 240, 0);
  Send(CmdShowFader);
  Canvas painted(hwnd);
  EXPECT_EQ(1, SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(painted.dc), 0));
  EXPECT_EQ(RGB(0x10, 0x20, 0x30), GetPixel(painted.dc, 1, 1));
  EXPECT_EQ(RGB(0x10, 0x20, 0x30), GetPixel(painted.dc, painted.rect.right - 2, painted.rect.bottom - 2));

  // The same text drawn by hand, centred in bold Arial of 250 pixels at 96 DPI (375 at 144),
  // gives the same picture.
  Canvas expected(hwnd);
  SetBkColor(expected.dc, RGB(0x10, 0x20, 0x30));
  ExtTextOutW(expected.dc, 0, 0, ETO_OPAQUE, &expected.rect, L"", 0, nullptr);
  LOGFONTW font{};
  font.lfHeight = MulDiv(250, GetDeviceCaps(expected.dc, LOGPIXELSY), 96);
  font.lfWeight = FW_BOLD;
  wcscpy(font.lfFaceName, L"Arial");
  font.lfQuality = ANTIALIASED_QUALITY;
  const HFONT arial = CreateFontIndirectW(&font);
  const HGDIOBJ oldFont = SelectObject(expected.dc, arial);
  SetBkMode(expected.dc, TRANSPARENT);
  SetTextColor(expected.dc, RGB(250, 240, 0));
  DrawTextW(expected.dc, L"07:05", -1, &expected.rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(expected.dc, oldFont);
  DeleteObject(arial);
  EXPECT_EQ(0, painted.Differences(expected));

  clock.Set(23, 59, 0);
  Canvas later(hwnd);
  SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(later.dc), 0);
  EXPECT_GT(later.Differences(painted), 100);
}

TEST_F(MainWindowTest, AFadeRepaintsOnceWhenTheMinuteChanges) {
  FakeClock clock;
  clock.Set(7, 5, 58);
  FaderSettings::Instance().fadeDuration = 300;
  Send(CmdShowFader);
  ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(hwnd, nullptr, FALSE); }));
  FadeStep();
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));  // same minute: no repaint
  clock.Set(7, 6, 0);
  FadeStep();
  EXPECT_TRUE(GetUpdateRect(hwnd, nullptr, FALSE));
  Canvas painted(hwnd);
  SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(painted.dc), 0);
  ValidateRect(hwnd, nullptr);
  FadeStep();
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));  // once per change, not at every step
  clock.Set(8, 6, 0);  // the same minute of another hour is a change too
  FadeStep();
  EXPECT_TRUE(GetUpdateRect(hwnd, nullptr, FALSE));
}

TEST_F(MainWindowTest, PaintLeavesTheDeviceContextAsItFoundIt) {
  Canvas canvas(hwnd);
  const HGDIOBJ font = GetCurrentObject(canvas.dc, OBJ_FONT);
  SetTextColor(canvas.dc, RGB(1, 2, 3));
  SetBkColor(canvas.dc, RGB(4, 5, 6));
  SetBkMode(canvas.dc, OPAQUE);
  window.PaintFader(canvas.dc);
  EXPECT_EQ(font, GetCurrentObject(canvas.dc, OBJ_FONT));
  EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc));
  EXPECT_EQ(RGB(4, 5, 6), GetBkColor(canvas.dc));
  EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc));
}

TEST(TimeFont, OneFontPerSizeAndTheOldOneIsDeleted) {
  const HFONT first = GetTimeFont(250);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, GetTimeFont(250));
  LOGFONTW described{};
  GetObjectW(first, sizeof(described), &described);
  EXPECT_EQ(250, described.lfHeight);
  EXPECT_EQ(FW_BOLD, described.lfWeight);
  EXPECT_STREQ(L"Arial", described.lfFaceName);
  EXPECT_EQ(ANTIALIASED_QUALITY, described.lfQuality);
  const HFONT bigger = GetTimeFont(901);
  GetObjectW(bigger, sizeof(described), &described);
  EXPECT_EQ(900, described.lfHeight);
  EXPECT_EQ(0u, GetObjectType(first));  // deleted
  GetObjectW(GetTimeFont(3), sizeof(described), &described);
  EXPECT_EQ(10, described.lfHeight);
  // The size keeps its meaning on a scaled display: the cache holds the height at that scale.
  const HFONT scaled = GetTimeFont(900, 144);
  GetObjectW(scaled, sizeof(described), &described);
  EXPECT_EQ(1350, described.lfHeight);
  EXPECT_EQ(scaled, GetTimeFont(900, 144));
  GetObjectW(GetTimeFont(900), sizeof(described), &described);
  EXPECT_EQ(900, described.lfHeight);
}

TEST(DcAttributeScope, RestoresWhatItReplaced) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HFONT font = CreateFontW(20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
  const HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
  SetTextColor(dc, RGB(9, 9, 9));
  {
    const DcAttributeScope scope(dc, font, RGB(1, 1, 1), RGB(2, 2, 2), TRANSPARENT);
    EXPECT_EQ(font, GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ(RGB(1, 1, 1), GetTextColor(dc));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
  }
  EXPECT_EQ(before, GetCurrentObject(dc, OBJ_FONT));
  EXPECT_EQ(RGB(9, 9, 9), GetTextColor(dc));
  {
    const DcAttributeScope noFont(dc, nullptr, RGB(1, 1, 1), RGB(2, 2, 2), TRANSPARENT);
    EXPECT_EQ(before, GetCurrentObject(dc, OBJ_FONT));
  }
  DeleteObject(font);
  DeleteDC(dc);
}
