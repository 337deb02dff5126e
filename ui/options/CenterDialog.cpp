#include "ui/options/CenterDialog.h"

#include "ui/WinRect.h"

bool CenterDialog(HWND dialog, HWND reference) {
  if (!reference) reference = GetWindow(dialog, GW_OWNER);
  if (reference) {
    const LONG style = GetWindowLongW(reference, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE)) reference = nullptr;
  }
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT around = work;
  if (reference) GetWindowRect(reference, &around);
  RECT own{};
  GetWindowRect(dialog, &own);
  const Point position = CenteredPosition(ToRect(around), ToRect(work), own.right - own.left,
                                          own.bottom - own.top);
  return SetWindowPos(dialog, nullptr, int(position.x), int(position.y), -1, -1,
                      SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE) != FALSE;
}
