#include "ui/Dialog.h"

#include "app/Module.h"
#include "app/Resources.h"

INT_PTR Dialog::DoModal(HWND owner) {
  const DLGTEMPLATE* dialog = LanguageDialog(templateId_);
  return dialog ? DialogBoxIndirectParamW(ResourceModule(), dialog, owner, Proc, reinterpret_cast<LPARAM>(this)) : -1;
}

INT_PTR CALLBACK Dialog::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = dialog;
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  }
  if (!self) return FALSE;
  const INT_PTR result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->hwnd_ = nullptr;
  return result;
}
