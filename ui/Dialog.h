#pragma once
// A modal dialog from a template, bound to its object from WM_INITDIALOG on.
#include <windows.h>

class Dialog {
 public:
  // Runs the dialog; the code passed to EndDialog, or 0 / -1 when it could not be created.
  INT_PTR DoModal(HWND owner);
  HWND hwnd() const { return hwnd_; }

 protected:
  explicit Dialog(UINT templateId) : templateId_(templateId) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Dialog procedure semantics: TRUE when handled; WM_INITDIALOG's result picks the focus.
  virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  UINT templateId_;
  HWND hwnd_ = nullptr;
};
