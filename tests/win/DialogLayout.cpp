#include "tests/win/DialogLayout.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win/WinTestSupport.h"
#include "ui/Dpi.h"

namespace {

std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

// A frame or a line drawn around or between controls.
bool IsDecoration(HWND control) {
  const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
  return ClassOf(control) == L"Static" && ((type >= SS_BLACKRECT && type <= SS_WHITEFRAME) || type >= SS_ETCHEDHORZ);
}

bool IsSpinOf(HWND spin, HWND field) {
  return ClassOf(spin) == UPDOWN_CLASSW && reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)) == field;
}

// The width the control's font gives the text on one line.
int TextWidth(HWND control, const std::wstring& text) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT rect{};
  DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return rect.right;
}

// The room a control leaves its text: none for controls without one.
int RoomForText(HWND control, int& needed) {
  RECT client{};
  GetClientRect(control, &client);
  const std::wstring kind = ClassOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring text = TextOf(control);
  if (text.empty()) return -1;
  if (kind == L"Static") {
    const LONG type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_RIGHT && type != SS_CENTER && type != SS_LEFTNOWORDWRAP) return -1;
    needed = TextWidth(control, text);
  } else if (kind == L"Button") {
    const LONG type = style & BS_TYPEMASK;
    const bool box = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON;
    needed = TextWidth(control, text) + (box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 2 * GetSystemMetrics(SM_CXEDGE) + 4);
  } else {
    return -1;
  }
  return client.right;
}

}  // namespace

void ExpectTidy(HWND dialog) {
  RECT frame{};
  GetWindowRect(dialog, &frame);
  const int dpi = int(WindowDpi(dialog));
  EXPECT_LE(MulDiv(frame.bottom - frame.top, 96, dpi), 672);
  EXPECT_LE(MulDiv(frame.right - frame.left, 96, dpi), 1280);
  RECT client{};
  GetClientRect(dialog, &client);
  std::vector<std::pair<HWND, RECT>> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << GetDlgCtrlID(c) << " " << testing::PrintToString(TextOf(c));
    if (!IsDecoration(c)) controls.push_back({c, r});
    int needed = 0;
    const int room = RoomForText(c, needed);
    if (room >= 0) EXPECT_LE(needed, room) << testing::PrintToString(TextOf(c));
    if (ClassOf(c) == WC_COMBOBOXW) {
      const int arrow = GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) + 4;
      for (LRESULT i = 0, count = SendMessageW(c, CB_GETCOUNT, 0, 0); i < count; ++i) {
        std::wstring entry(size_t(SendMessageW(c, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
        entry.resize(size_t(SendMessageW(c, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(entry.data()))));
        EXPECT_LE(TextWidth(c, entry) + arrow, r.right - r.left) << testing::PrintToString(entry);
      }
    }
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      RECT both{};
      const bool spin = IsSpinOf(controls[j].first, controls[i].first) || IsSpinOf(controls[i].first, controls[j].first);
      EXPECT_TRUE(spin || !IntersectRect(&both, &controls[i].second, &controls[j].second))
          << testing::PrintToString(TextOf(controls[i].first)) << " " << GetDlgCtrlID(controls[i].first) << " over "
          << testing::PrintToString(TextOf(controls[j].first)) << " " << GetDlgCtrlID(controls[j].first);
    }
  }
}
