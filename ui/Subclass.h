#pragma once
// Gives an existing control extra behaviour: the object's handlers run first, the control's
// previous procedure gets everything else, and is put back when the control is destroyed.
#include <windows.h>

class SubclassedControl {
 public:
  // False, leaving the control unchanged, if its procedure cannot be replaced.
  bool Attach(HWND control);
  HWND control() const { return control_; }

 protected:
  SubclassedControl() = default;
  ~SubclassedControl();
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;

  // Every message of the control; pass what is not consumed to CallPrevious.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Proc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR self);
  void Detach();
  HWND control_ = nullptr;
};
