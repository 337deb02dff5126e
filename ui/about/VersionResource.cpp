#include "ui/about/VersionResource.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "app/Module.h"
#include "app/Resources.h"
#include "app/SystemLibraries.h"
#include "res/resource.h"
#include "ui/about/VersionText.h"

namespace {

// version.dll is not one of the DLLs Windows always takes from the system folder, so it is
// loaded from there by hand rather than imported.
struct VersionLibrary {
  using GetFileVersionInfoSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using GetFileVersionInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using VerQueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

  LibraryHandle module = LoadSystemLibrary(L"version.dll");
  GetFileVersionInfoSizeFunction infoSize =
      LibraryFunction<GetFileVersionInfoSizeFunction>(module.Get(), "GetFileVersionInfoSizeW");
  GetFileVersionInfoFunction info =
      LibraryFunction<GetFileVersionInfoFunction>(module.Get(), "GetFileVersionInfoW");
  VerQueryValueFunction queryValue = LibraryFunction<VerQueryValueFunction>(module.Get(), "VerQueryValueW");
};

}  // namespace

std::wstring ReadVersionText() {
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(ResourceModule(), module, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  const VersionLibrary version;
  if (!version.infoSize || !version.info || !version.queryValue) return std::wstring();
  DWORD ignored = 0;
  const DWORD size = version.infoSize(module, &ignored);
  if (size == 0) return std::wstring();
  std::vector<unsigned char> block(size);
  if (!version.info(module, 0, size, block.data())) return std::wstring();
  wchar_t path[MAX_PATH];
  std::swprintf(path, MAX_PATH, L"\\StringFileInfo\\040904b0\\%ls", L"ProductVersion");
  void* value = nullptr;
  UINT valueLength = 0;
  if (!version.queryValue(block.data(), path, &value, &valueLength) || !value) return std::wstring();
  return FormatVersionText(static_cast<const wchar_t*>(value), LoadText(IDS_VERSION));
}
