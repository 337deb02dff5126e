#pragma once
// The base of the program's windows: binds the object to its window once and hands it every
// message. A derived class offers its own handlers first and passes the rest on.
#include <windows.h>

class Window {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  Window() = default;
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Registers the class on first use (if no class of that name exists yet) and creates the
  // window, bound to this object from its first message on.
  HWND CreateBound(const WNDCLASSEXW& windowClass, DWORD exStyle, DWORD style, HWND parent);

  // The whole message map of the window; what it does not complete goes to DefWindowProcW.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};
