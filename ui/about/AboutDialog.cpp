#include "ui/about/AboutDialog.h"

#include "res/resource.h"
#include "ui/about/AboutIds.h"
#include "ui/about/VersionResource.h"
#include "ui/main/Website.h"
#include "ui/options/CenterDialog.h"

AboutDialog::AboutDialog(HWND& slot) : Dialog(RES_DIALOG_ABOUT), slot_(slot) {}

INT_PTR AboutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CenterDialog(hwnd(), GetParent(hwnd()));
      slot_ = hwnd();
      link_.SetTarget(kWebsiteTarget);
      if (link_.Attach(GetDlgItem(hwnd(), IDC_WEBSITE_LINK))) {
        link_.underlineOnHover = true;
        link_.noTooltip = true;
      }
      SetDlgItemTextW(hwnd(), IDC_VERSION_TEXT, ReadVersionText().c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hwnd(), LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      slot_ = nullptr;  // however it closes: the slot never names a dead window
      return FALSE;
    default:
      return FALSE;
  }
}
