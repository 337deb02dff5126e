#include "app/SystemLibraries.h"

#include <cwchar>

void RestrictDllSearchToSystemFolder() {
  // Looked up: Windows 7 has it only with its update KB2533623. Not the "default dirs" flag,
  // which keeps the program's folder in the search.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories = LibraryFunction<SetDefaultDllDirectoriesFunction>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

LibraryHandle LoadSystemLibrary(const wchar_t* name) {
  // By its full path: a name alone would also match a DLL of that name loaded from elsewhere.
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
  if (folder == 0 || folder + 1 + std::wcslen(name) >= MAX_PATH) return LibraryHandle();
  path[folder] = L'\\';
  std::wcscpy(path + folder + 1, name);
  // The search flag keeps the DLL's own imports in the system folder too; a system without it
  // (Windows 7 before KB2533623) refuses it, and the altered search does the same there.
  if (const HMODULE module = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return LibraryHandle(module);
  }
  return LibraryHandle(LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}
