#pragma once
// Where DLLs come from. A DLL of a system name planted beside the program (a Downloads folder
// holding a "version.dll") must never run inside it, so nothing is loaded from the program's
// folder or the current one.
#include <windows.h>

#include "ui/Handles.h"

// From now on every DLL loaded by name, by the program or by the system's own DLLs, comes from
// the system folder. The loader's first call into the program makes it, before the C run-time
// starts (app/FirstStep.cpp).
void RestrictDllSearchToSystemFolder();

// The system folder's DLL of that name, whatever the search order is; null when there is none.
LibraryHandle LoadSystemLibrary(const wchar_t* name);

// A function of a loaded DLL, typed; null when the DLL or the function is missing.
template <typename Function>
Function LibraryFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                : nullptr;
}
