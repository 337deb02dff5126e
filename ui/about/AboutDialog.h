#pragma once
// The About dialog: product name, version from the version resource and a link to the web site.
#include "ui/Dialog.h"
#include "ui/about/HyperlinkLabel.h"

class AboutDialog : public Dialog {
 public:
  // The dialog announces its window in `slot` while it is open.
  explicit AboutDialog(HWND& slot);

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND& slot_;
  HyperlinkLabel link_;
};
