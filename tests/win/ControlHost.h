#pragma once
// A visible top-level window that hosts controls under test, and the clipboard as a user fills it.
#include <windows.h>

#include <string>

class ControlHost {
 public:
  ControlHost();
  ~ControlHost();
  HWND hwnd() const { return window_; }
  HWND Add(const wchar_t* className, DWORD style, int x, int y, int width, int height, int id);

 private:
  HWND window_;
};

// Replaces the clipboard's contents; retries while another process briefly holds it.
bool PutTextOnClipboard(const std::wstring& text);
bool PutBitmapOnClipboard();
