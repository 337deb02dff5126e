// The About dialog opened through the main window's command.
#include "tests/win/MainWindowFixture.h"
#include "ui/about/AboutIds.h"
#include "ui/about/VersionResource.h"
#include "ui/main/DialogSlots.h"

TEST(VersionResource, ReadsTheProductVersionOfThisProgram) {
  EXPECT_EQ(L"Version 2.4.0  (Build 59)", ReadVersionText());
}

namespace {

// The rightmost column of link-coloured pixels, as the label draws itself or as the same text
// drawn by hand in the same font and the same kind of device context.
LONG LinkInkEnd(HWND link, bool byTheLabel) {
  ClientCanvas canvas(link);
  FillRect(canvas.dc, &canvas.rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (byTheLabel) {
    canvas.PrintClient();
  } else {
    const HGDIOBJ oldFont = SelectObject(canvas.dc, reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
    SetTextColor(canvas.dc, RGB(0, 0, 255));
    SetBkMode(canvas.dc, TRANSPARENT);
    DrawTextW(canvas.dc, L"http://www.quillane.example", -1, &canvas.rect, DT_LEFT | DT_WORDBREAK);
    SelectObject(canvas.dc, oldFont);
  }
  LONG end = -1;
  for (LONG y = 0; y < canvas.rect.bottom; ++y) {
    for (LONG x = end + 1; x < canvas.rect.right; ++x) {
      if (IsLinkBlue(GetPixel(canvas.dc, x, y))) end = x;
    }
  }
  return end;
}

}  // namespace

TEST_F(MainWindowTest, AboutShowsVersionAndTheWholeLinkAndIsCentred) {
  HWND found = nullptr;
  LONG linkEnd = -1, handEnd = -1;
  WhenModal([&] {
    const HWND dialog = FindThreadDialog(L"About Dusklamp");
    if (!dialog) return false;
    found = dialog;
    EXPECT_EQ(dialog, aboutDialogWindow);
    EXPECT_EQ(L"Version 2.4.0  (Build 59)", TextOf(GetDlgItem(dialog, IDC_VERSION_TEXT)));
    const HWND link = GetDlgItem(dialog, IDC_WEBSITE_LINK);
    linkEnd = LinkInkEnd(link, true);
    handEnd = LinkInkEnd(link, false);
    RECT rect, work;
    GetWindowRect(dialog, &rect);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((work.left + work.right) / 2, (rect.left + rect.right) / 2, 1);
    EXPECT_TRUE(ReturnsWithin([&] { Send(CmdAbout); }))  // brings the open one forward
        << "a second About command opened a second dialog";
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  Send(CmdAbout);
  ASSERT_NE(nullptr, found);
  EXPECT_GT(handEnd, 0);
  EXPECT_NEAR(handEnd, linkEnd, 1) << "the end of the link text is cut off";
  EXPECT_EQ(nullptr, aboutDialogWindow);
}

// However a dialog ends, its slot is cleared with its window.
TEST_F(MainWindowTest, DialogSlotsAreClearedWhenTheirWindowsAreDestroyed) {
  const struct {
    UINT command;
    const wchar_t* caption;
    HWND& slot;
  } dialogs[] = {{CmdAbout, L"About Dusklamp", aboutDialogWindow},
                 {CmdOptions, L"Dusklamp Options", optionsDialogWindow}};
  for (const auto& each : dialogs) {
    HWND dialog = nullptr;
    WhenModal([&] {
      dialog = FindThreadDialog(each.caption);
      if (dialog) DestroyWindow(dialog);
      return dialog != nullptr;
    });
    Send(each.command);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(nullptr, each.slot);
  }
}
