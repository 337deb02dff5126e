// Icons, the eyedropper cursor and the Fader on scaled displays. The whole Win32 suite also runs
// once at 144 DPI.
#include <vector>

#include "app/Module.h"
#include "tests/win/MainWindowFixture.h"
#include "ui/Dpi.h"

namespace {

struct Image {
  int width = 0;
  std::vector<unsigned char> pixels;  // 32-bit colour rows
};

Image ColourImage(HICON icon) {
  Image image;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return image;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  image.width = bitmap.bmWidth;
  if (info.hbmColor) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, bitmap.bmHeight, 1, 32, BI_RGB};
    image.pixels.resize(size_t(bitmap.bmWidth) * size_t(bitmap.bmHeight) * 4);
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, UINT(bitmap.bmHeight), image.pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
  }
  DeleteObject(info.hbmMask);
  return image;
}

// The image of that size in the icon resource, as drawn; null when the resource has none.
HICON ImageDrawnAt(UINT iconId, int size) {
  const HMODULE module = ResourceModule();
  const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(iconId), RT_GROUP_ICON);
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  const int id = directory ? LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR) : 0;
  const HRSRC entry = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
  auto* bits = static_cast<BYTE*>(LockResource(LoadResource(module, entry)));
  if (!bits || reinterpret_cast<BITMAPINFOHEADER*>(bits)->biWidth != size) return nullptr;
  return CreateIconFromResourceEx(bits, SizeofResource(module, entry), TRUE, 0x00030000, size, size,
                                  LR_DEFAULTCOLOR);
}

}  // namespace

TEST(ScaledDisplay, TrayIconsAreLoadedFromTheImageDrawnForEachScale) {
  for (const UINT iconId : {IconMain, IconAutoFadeOn, IconAutoFadeOff}) {
    for (const UINT dpi : {96u, 120u, 144u, 192u, 240u, 288u}) {
      const int size = MulDiv(16, int(dpi), 96);
      SCOPED_TRACE(testing::Message() << "icon " << iconId << " at " << dpi << " DPI");
      const HICON loaded = LoadSmallIcon(iconId, dpi);
      const HICON drawn = ImageDrawnAt(iconId, size);
      ASSERT_NE(nullptr, drawn) << "no image drawn at " << size << " pixels";
      const Image expected = ColourImage(drawn);
      const Image got = ColourImage(loaded);
      EXPECT_EQ(size, got.width);
      EXPECT_TRUE(expected.pixels == got.pixels) << "scaled from another image";
      DestroyIcon(drawn);
      DestroyIcon(loaded);
    }
  }
}

TEST(ScaledDisplay, TheEyedropperGrowsWithItsHotSpotOnTheTip) {
  for (const int size : {32, 48, 64}) {
    const auto cursor = static_cast<HCURSOR>(LoadImageW(
        ResourceModule(), MAKEINTRESOURCEW(RES_CURSOR_EYEDROPPER), IMAGE_CURSOR, size, size, 0));
    ASSERT_NE(nullptr, cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(size, mask.bmWidth);
    EXPECT_EQ(0u, info.xHotspot);
    EXPECT_EQ(DWORD(15.5 * size / 32), info.yHotspot);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DestroyCursor(cursor);
  }
}

// The tray's icon is drawn for the notification area's scale, also while the main window is on a
// monitor of another scale (the pointer's one at 200 percent, say).
namespace {
HWND twiceTheScale = nullptr;
UINT WINAPI AtTwiceTheScale(HWND window) {  // others answer nothing: the display's scale
  return window == twiceTheScale ? 2 * WindowDpi(nullptr) : 0;
}
}  // namespace

TEST_F(MainWindowTest, TheTrayIconIsTheSmallSizeOfTheNotificationAreasScale) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(UINT(dpi), WindowDpi(hwnd));
  twiceTheScale = hwnd;
  const WindowDpiQuery previous = SetWindowDpiQuery(AtTwiceTheScale);
  ASSERT_EQ(UINT(2 * dpi), WindowDpi(hwnd));
  Send(CmdShowFader);
  EXPECT_EQ(MulDiv(16, dpi, 96), window.Tray().CurrentIconSize());
  Send(CmdHideFader);
  EXPECT_EQ(MulDiv(16, dpi, 96), window.Tray().CurrentIconSize());
  SetWindowDpiQuery(previous);
}

TEST_F(MainWindowTest, AChangeOfScaleKeepsTheShownFaderOnItsWorkArea) {
  Send(CmdShowFader);
  RECT work{}, rect{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Moved by the platform, as for a monitor change, with a rectangle proposed for the new scale.
  RECT suggested{10, 10, 300, 200};
  MoveWindow(hwnd, 10, 10, 290, 190, FALSE);
  EXPECT_EQ(0, SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested)));
  GetWindowRect(hwnd, &rect);
  EXPECT_TRUE(EqualRect(&work, &rect));
  EXPECT_TRUE(Visible());
  Send(CmdHideFader);
  SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  GetWindowRect(hwnd, &rect);
  EXPECT_TRUE(EqualRect(&work, &rect));
  EXPECT_FALSE(Visible());
}
