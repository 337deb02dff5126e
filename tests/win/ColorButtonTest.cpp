// The colour swatch on a real static control: drawing, the eyedropper and the colour dialog.
#include <gtest/gtest.h>

#include <string>

#include "tests/win/ControlHost.h"
#include "tests/win/WinTestSupport.h"
#include "ui/options/ColorButton.h"

namespace {

// A plain window of one colour somewhere on the screen, to pick from.
class ColourPatch {
 public:
  ColourPatch(COLORREF color, RECT rect) : brush_(CreateSolidBrush(color)) {
    const std::wstring name = L"ColourPatch" + std::to_wstring(color);  // a class per colour
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush_;
    windowClass.lpszClassName = name.c_str();
    UnregisterClassW(name.c_str(), GetModuleHandleW(nullptr));
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST, name.c_str(), L"", WS_POPUP | WS_VISIBLE, rect.left,
                              rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
  }
  ~ColourPatch() {
    DestroyWindow(window_);
    DeleteObject(brush_);
  }

 private:
  HBRUSH brush_;
  HWND window_;
};

bool TakeChange(HWND parent, LPARAM& color) {
  MSG msg;
  if (!PeekMessageW(&msg, parent, WM_COLORBUTTON_CHANGED, WM_COLORBUTTON_CHANGED, PM_REMOVE)) return false;
  color = msg.lParam;
  while (PeekMessageW(&msg, parent, WM_COLORBUTTON_CHANGED, WM_COLORBUTTON_CHANGED, PM_REMOVE)) {
    color = msg.lParam;
  }
  return true;
}

LPARAM Point(int x, int y) { return MAKELPARAM(WORD(short(x)), WORD(short(y))); }

}  // namespace

class ColorButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    swatch = host.Add(L"Static", SS_BLACKFRAME, 20, 20, 60, 24, 1145);
    ASSERT_TRUE(button.Attach(swatch));
    UpdateWindow(host.hwnd());
    PumpMessages();
  }
  // Releases the button at the point; true when that opened the colour dialog (then cancelled).
  bool ReleaseOpensADialog(LPARAM point) {
    bool dialogOpened = false;
    WhenModal([&] {
      const HWND dialog = FindThreadDialog(nullptr);
      if (dialog) {
        dialogOpened = true;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
      return dialog != nullptr;
    });
    SendMessageW(swatch, WM_LBUTTONUP, 0, point);
    WhenModal(nullptr);
    return dialogOpened;
  }

  ControlHost host;
  ColorButton button;
  HWND swatch = nullptr;
};

TEST_F(ColorButtonTest, AttachingMakesTheStaticClickableAndOwnerDrawn) {
  const LONG style = GetWindowLongW(swatch, GWL_STYLE);
  EXPECT_EQ(SS_OWNERDRAW, style & SS_TYPEMASK);
  EXPECT_TRUE(style & SS_NOTIFY);
  EXPECT_EQ(0xFFFFFFFFu, button.GetColor().value);
}

TEST_F(ColorButtonTest, SwatchShowsShadowAndWhiteFramesAroundTheColour) {
  button.SetColor(ArgbColor{0x00C81E32});  // the alpha byte is never drawn
  LPARAM ignored;
  EXPECT_FALSE(TakeChange(host.hwnd(), ignored));  // SetColor posts nothing
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), ClientPixel(swatch, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), ClientPixel(swatch, 59, 23));
  EXPECT_EQ(RGB(255, 255, 255), ClientPixel(swatch, 1, 1));
  EXPECT_EQ(RGB(255, 255, 255), ClientPixel(swatch, 58, 22));
  EXPECT_EQ(RGB(0xC8, 0x1E, 0x32), ClientPixel(swatch, 2, 2));
  EXPECT_EQ(RGB(0xC8, 0x1E, 0x32), ClientPixel(swatch, 57, 21));
  EXPECT_EQ(1, SendMessageW(swatch, WM_ERASEBKGND, 0, 0));
}

TEST_F(ColorButtonTest, TheCursorOverTheSwatchIsAHand) {
  EXPECT_EQ(0, SendMessageW(swatch, WM_SETCURSOR, WPARAM(swatch), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());
}

TEST_F(ColorButtonTest, DraggingPicksTheScreenPixelAndAReleaseOutsideOpensNothing) {
  const ColourPatch around(RGB(200, 10, 30), {600, 500, 700, 600});
  const ColourPatch patch(RGB(10, 200, 30), {650, 550, 651, 551});  // the one pixel under the pointer
  PumpMessages();
  SendMessageW(swatch, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  ASSERT_EQ(swatch, GetCapture());
  POINT over{650, 550};
  ScreenToClient(swatch, &over);
  SendMessageW(swatch, WM_MOUSEMOVE, MK_LBUTTON, Point(over.x, over.y));
  EXPECT_EQ(RGB(10, 200, 30), button.GetColor().ToColorRef());
  EXPECT_EQ(0xFFu, button.GetColor().value >> 24);
  LPARAM posted = 0;
  ASSERT_TRUE(TakeChange(host.hwnd(), posted));
  EXPECT_EQ(LPARAM(RGB(10, 200, 30)), posted);
  EXPECT_FALSE(ReleaseOpensADialog(Point(over.x, over.y)));
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(RGB(10, 200, 30), ClientPixel(swatch, 10, 10));
}

TEST_F(ColorButtonTest, EscapeCancelsADragAndAPixelThatCannotBeReadChangesNothing) {
  const ColourPatch patch(RGB(10, 200, 30), {600, 500, 700, 600});
  PumpMessages();
  button.SetColor(ArgbColor::FromRgb(1, 2, 3));
  SendMessageW(swatch, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  POINT nowhere{-30000, -30000};  // no pixel there: GetPixel fails
  ScreenToClient(swatch, &nowhere);
  SendMessageW(swatch, WM_MOUSEMOVE, MK_LBUTTON, Point(nowhere.x, nowhere.y));
  EXPECT_EQ(RGB(1, 2, 3), button.GetColor().ToColorRef());
  LPARAM posted = 0;
  EXPECT_FALSE(TakeChange(host.hwnd(), posted));

  POINT over{650, 550};
  ScreenToClient(swatch, &over);
  SendMessageW(swatch, WM_MOUSEMOVE, MK_LBUTTON, Point(over.x, over.y));
  ASSERT_EQ(RGB(10, 200, 30), button.GetColor().ToColorRef());
  ASSERT_EQ(swatch, GetFocus());  // so that the dialog hands it the keys of the drag
  EXPECT_EQ(DLGC_WANTALLKEYS, SendMessageW(swatch, WM_GETDLGCODE, VK_ESCAPE, 0) & DLGC_WANTALLKEYS);
  SendMessageW(swatch, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(RGB(1, 2, 3), button.GetColor().ToColorRef());
  ASSERT_TRUE(TakeChange(host.hwnd(), posted));
  EXPECT_EQ(LPARAM(RGB(1, 2, 3)), posted);  // the parent hears of the colour put back
  EXPECT_FALSE(ReleaseOpensADialog(Point(5, 5)));  // the end of the cancelled press
}

TEST_F(ColorButtonTest, AClickOpensTheColourDialogAtTheSwatchColour) {
  button.SetColor(ArgbColor::FromRgb(0x12, 0x34, 0x56));
  HWND dialog = nullptr;
  WhenModal([&] {
    dialog = FindThreadDialog(nullptr);
    if (dialog) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return dialog != nullptr;
  });
  SendMessageW(swatch, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageW(swatch, WM_LBUTTONUP, 0, Point(5, 5));
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), button.GetColor().ToColorRef());  // confirmed unchanged
  LPARAM posted = 0;
  EXPECT_TRUE(TakeChange(host.hwnd(), posted));
  EXPECT_EQ(LPARAM(RGB(0x12, 0x34, 0x56)), posted);

  WhenModal([&] {
    const HWND open = FindThreadDialog(nullptr);
    if (open) PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
    return open != nullptr;
  });
  SendMessageW(swatch, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageW(swatch, WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_FALSE(TakeChange(host.hwnd(), posted));  // Cancel changes nothing
}

TEST_F(ColorButtonTest, DestroyingTheStaticDetachesTheButton) {
  DestroyWindow(swatch);
  EXPECT_EQ(nullptr, button.control());
}
