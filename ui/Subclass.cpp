#include "ui/Subclass.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassId = 0x44534B4C;  // "DSKL"
}

SubclassedControl::~SubclassedControl() { Detach(); }

bool SubclassedControl::Attach(HWND control) {
  Detach();
  if (!SetWindowSubclass(control, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  control_ = control;
  return true;
}

void SubclassedControl::Detach() {
  if (control_) {
    RemoveWindowSubclass(control_, Proc, kSubclassId);
    control_ = nullptr;
  }
}

LRESULT SubclassedControl::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(control_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Proc(HWND control, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* attached = reinterpret_cast<SubclassedControl*>(self);
  if (message == WM_NCDESTROY) {
    attached->Detach();
    return DefSubclassProc(control, message, wParam, lParam);
  }
  return attached->OnMessage(message, wParam, lParam);
}
