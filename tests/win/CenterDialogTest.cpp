// Dialog placement against real windows.
#include <gtest/gtest.h>

#include "tests/win/ControlHost.h"
#include "ui/options/CenterDialog.h"

namespace {

RECT WorkArea() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

HWND Popup(HWND owner, int x, int y, int width, int height, bool visible) {
  return CreateWindowExW(0, L"ControlHost", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, width,
                         height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

TEST(CenterDialog, AHiddenOwnerMeansTheMiddleOfTheWorkArea) {
  const ControlHost registersTheClass;
  const HWND owner = Popup(nullptr, 0, 0, 100, 100, false);
  const HWND dialog = Popup(owner, 0, 0, 300, 200, true);
  EXPECT_TRUE(CenterDialog(dialog, nullptr));
  RECT rect{};
  GetWindowRect(dialog, &rect);
  const RECT work = WorkArea();
  EXPECT_EQ((work.left + work.right) / 2 - 150, rect.left);
  EXPECT_EQ((work.top + work.bottom) / 2 - 100, rect.top);
  EXPECT_EQ(300, rect.right - rect.left);
  DestroyWindow(dialog);
  DestroyWindow(owner);
}

TEST(CenterDialog, AVisibleReferenceIsCentredOnAndTheWorkAreaKeepsTheDialogIn) {
  const ControlHost registersTheClass;
  const RECT work = WorkArea();
  const HWND reference = Popup(nullptr, 200, 150, 400, 300, true);
  const HWND dialog = Popup(nullptr, 0, 0, 200, 100, true);
  CenterDialog(dialog, reference);
  RECT rect{};
  GetWindowRect(dialog, &rect);
  EXPECT_EQ(300, rect.left);
  EXPECT_EQ(250, rect.top);
  MoveWindow(reference, work.right - 50, 150, 100, 100, FALSE);  // would stick out right
  CenterDialog(dialog, reference);
  GetWindowRect(dialog, &rect);
  EXPECT_EQ(work.right - 200, rect.left);
  MoveWindow(reference, work.left - 100, 150, 100, 100, FALSE);  // and left
  CenterDialog(dialog, reference);
  GetWindowRect(dialog, &rect);
  EXPECT_EQ(work.left, rect.left);
  ShowWindow(reference, SW_MINIMIZE);  // a minimised reference does not count
  CenterDialog(dialog, reference);
  GetWindowRect(dialog, &rect);
  EXPECT_EQ((work.left + work.right) / 2 - 100, rect.left);
  DestroyWindow(dialog);
  DestroyWindow(reference);
}
