#pragma once
// Owners for platform handles: each releases its handle once and forgets it in the same step.
#include <windows.h>

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle(); }
  Handle Release() {
    Handle handle = handle_;
    handle_ = Handle();
    return handle;
  }
  // Frees the handle held; true when there was none or freeing succeeded.
  bool Reset(Handle handle = Handle()) {
    const bool freed = handle_ == Handle() || Traits::Free(handle_);
    handle_ = handle;
    return freed;
  }

 private:
  Handle handle_ = Handle();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool Free(HANDLE h) { return CloseHandle(h) != FALSE; }
};
struct FontTraits {
  using Handle = HFONT;
  static bool Free(HFONT h) { return DeleteObject(h) != FALSE; }
};
struct IconTraits {
  using Handle = HICON;
  static bool Free(HICON h) { return DestroyIcon(h) != FALSE; }
};
struct MenuTraits {
  using Handle = HMENU;
  static bool Free(HMENU h) { return DestroyMenu(h) != FALSE; }
};
struct BitmapTraits {
  using Handle = HBITMAP;
  static bool Free(HBITMAP h) { return DeleteObject(h) != FALSE; }
};
struct BrushTraits {
  using Handle = HBRUSH;
  static bool Free(HBRUSH h) { return DeleteObject(h) != FALSE; }
};
struct LibraryTraits {
  using Handle = HMODULE;
  static bool Free(HMODULE h) { return FreeLibrary(h) != FALSE; }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static bool Free(HDC h) { return DeleteDC(h) != FALSE; }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FontHandle = UniqueHandle<FontTraits>;
using IconHandle = UniqueHandle<IconTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using BitmapHandle = UniqueHandle<BitmapTraits>;
using BrushHandle = UniqueHandle<BrushTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using LibraryHandle = UniqueHandle<LibraryTraits>;

// A device context from GetDC or GetWindowDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a device context and selects the previous one back on scope exit.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionScope() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
