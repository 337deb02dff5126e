#include "ui/about/VersionResource.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "app/Module.h"
#include "ui/about/VersionText.h"

std::wstring ReadVersionText() {
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(ResourceModule(), module, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(module, &ignored);
  if (size == 0) return std::wstring();
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(module, 0, size, block.data())) return std::wstring();
  wchar_t path[MAX_PATH];
  std::swprintf(path, MAX_PATH, L"\\StringFileInfo\\040904b0\\%ls", L"ProductVersion");
  void* value = nullptr;
  UINT valueLength = 0;
  if (!VerQueryValueW(block.data(), path, &value, &valueLength) || !value) return std::wstring();
  return FormatVersionText(static_cast<const wchar_t*>(value));
}
