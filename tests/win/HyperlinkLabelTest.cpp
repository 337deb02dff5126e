// The hyperlink label on a real static control: colours, hit-testing and activation.
#include <gtest/gtest.h>

#include <string>

#include "tests/win/ControlHost.h"
#include "tests/win/WinTestSupport.h"
#include "ui/about/HyperlinkLabel.h"

namespace {

std::wstring opened;
bool openSucceeds = true;
bool FakeOpen(const wchar_t* target) {
  opened = target;
  return openSucceeds;
}

const wchar_t kSettingsKey[] = L"Software\\Microsoft\\Internet Explorer\\Settings";

void SetBrowserColor(const wchar_t* name, const wchar_t* value) {
  HKEY key;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                 DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void ForgetBrowserColors() { RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey); }

LPARAM At(LONG x, LONG y) { return MAKELPARAM(WORD(short(x)), WORD(short(y))); }

}  // namespace

class HyperlinkLabelTest : public testing::Test {
 protected:
  void SetUp() override {
    ForgetBrowserColors();
    opened.clear();
    openSucceeds = true;
    HyperlinkLabel::SetOpener(FakeOpen);
    label = host.Add(L"Static", SS_LEFT, 10, 10, 300, 30, 1127);
    SetWindowTextW(label, L"http://www.quillane.example");
  }
  void TearDown() override {
    HyperlinkLabel::SetOpener(nullptr);
    ForgetBrowserColors();
  }
  void Attach() {
    link.SetTarget(L"http://www.quillane.example/?ref=qldk");
    ASSERT_TRUE(link.Attach(label));
  }
  // Pixels of the label's text area in the given colour.
  int PixelsOf(COLORREF color) {
    const RECT r = link.LabelRect();
    int count = 0;
    for (LONG y = r.top; y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x) count += ClientPixel(label, x, y) == color;
    }
    return count;
  }
  POINT Inside() const {
    const RECT r = link.LabelRect();
    return {r.left + 3, (r.top + r.bottom) / 2};
  }
  void Click(POINT down, POINT up) {
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, At(down.x, down.y));
    SendMessageW(label, WM_LBUTTONUP, 0, At(up.x, up.y));
  }

  ControlHost host;
  HWND label = nullptr;
  HyperlinkLabel link;
};

TEST_F(HyperlinkLabelTest, LabelRectHoldsTheWholeTextAtTheLeft) {
  Attach();
  const RECT r = link.LabelRect();
  const HDC dc = GetDC(label);
  const HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, L"http://www.quillane.example", 27, &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  EXPECT_EQ(0, r.left);
  EXPECT_GE(r.right - r.left, size.cx);
  EXPECT_LE(r.right - r.left, size.cx + 2);
}

TEST_F(HyperlinkLabelTest, ANewFontMakesANewLinkFontAndLabelRect) {
  Attach();
  const RECT before = link.LabelRect();
  LOGFONTW description{};
  description.lfHeight = 2 * (before.bottom - before.top);
  wcscpy(description.lfFaceName, L"Arial");
  const HFONT larger = CreateFontIndirectW(&description);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(larger), TRUE);
  EXPECT_EQ(larger, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const RECT after = link.LabelRect();
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);
  // Painted in the new font: the link colour reaches the lower rows of the larger text.
  int lowRows = 0;
  for (LONG y = before.bottom + 2; y < after.bottom; ++y) {
    for (LONG x = after.left; x < after.right; ++x) lowRows += IsLinkBlue(ClientPixel(label, x, y));
  }
  EXPECT_GT(lowRows, 0);
  DestroyWindow(label);
  DeleteObject(larger);
}

TEST_F(HyperlinkLabelTest, PaintsInTheLinkColourAndTheVisitedColourAfterASuccessfulOpen) {
  Attach();
  EXPECT_EQ(RGB(0, 0, 255), link.LinkColor());
  EXPECT_GT(PixelsOf(RGB(0, 0, 255)), 20);
  Click(Inside(), Inside());
  EXPECT_EQ(L"http://www.quillane.example/?ref=qldk", opened);
  EXPECT_TRUE(link.Visited());
  EXPECT_EQ(0, PixelsOf(RGB(0, 0, 255)));
  EXPECT_GT(PixelsOf(RGB(128, 0, 128)), 20);
}

TEST_F(HyperlinkLabelTest, AFailedOpenKeepsTheLinkUnvisited) {
  openSucceeds = false;
  Attach();
  Click(Inside(), Inside());
  EXPECT_FALSE(opened.empty());
  EXPECT_FALSE(link.Visited());
}

TEST_F(HyperlinkLabelTest, AClickEndingOutsideTheTextOpensNothing) {
  Attach();
  const RECT r = link.LabelRect();
  Click(Inside(), {r.right + 5, r.top + 2});
  EXPECT_TRUE(opened.empty());
  Click({r.right + 5, r.top + 2}, Inside());  // nor one that starts outside
  EXPECT_TRUE(opened.empty());
}

TEST_F(HyperlinkLabelTest, ReturnAndSpaceActivate) {
  Attach();
  SendMessageW(label, WM_CHAR, VK_RETURN, 0);
  EXPECT_FALSE(opened.empty());
  opened.clear();
  SendMessageW(label, WM_CHAR, L' ', 0);
  EXPECT_FALSE(opened.empty());
  opened.clear();
  SendMessageW(label, WM_CHAR, L'x', 0);
  EXPECT_TRUE(opened.empty());
}

TEST_F(HyperlinkLabelTest, ADisabledLabelPaintsInGreyText) {
  Attach();
  Click(Inside(), Inside());
  EnableWindow(label, FALSE);
  EXPECT_GT(PixelsOf(GetSysColor(COLOR_GRAYTEXT)), 20);
  EXPECT_EQ(0, PixelsOf(RGB(128, 0, 128)));
}

TEST_F(HyperlinkLabelTest, BrowserColoursComeFromTheRegistryWhenTheyParse) {
  SetBrowserColor(L"Anchor Color", L"0,128,255");
  SetBrowserColor(L"Anchor Color Visited", L"0,128");
  Attach();
  EXPECT_EQ(RGB(0, 128, 255), link.LinkColor());
  EXPECT_EQ(RGB(128, 0, 128), link.VisitedColor());
  EXPECT_GT(PixelsOf(RGB(0, 128, 255)), 20);
}

TEST_F(HyperlinkLabelTest, OverlongRegistryValuesAreIgnored) {
  SetBrowserColor(L"Anchor Color", L"000,000,000,0");  // 13 characters with the terminator... and more
  SetBrowserColor(L"Anchor Color Visited", L"   10,20,30");
  Attach();
  EXPECT_EQ(RGB(0, 0, 255), link.LinkColor());
  EXPECT_EQ(RGB(10, 20, 30), link.VisitedColor());
}

TEST_F(HyperlinkLabelTest, UnderlineAndHandOnlyWhileThePointerIsOverTheText) {
  Attach();
  link.underlineOnHover = true;
  const int plain = PixelsOf(RGB(0, 0, 255));
  const POINT inside = Inside();
  SendMessageW(label, WM_MOUSEMOVE, 0, At(inside.x, inside.y));
  EXPECT_EQ(LoadCursorW(nullptr, IDC_HAND), GetCursor());
  const int underlined = PixelsOf(RGB(0, 0, 255));
  EXPECT_GT(underlined, plain);
  SendMessageW(label, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(plain, PixelsOf(RGB(0, 0, 255)));
}
