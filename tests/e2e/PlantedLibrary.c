/* A DLL planted beside the program under a system DLL's name. It leaves NAME.dll.ran beside
   itself when it is loaded into a process; built as a stand-in for version.dll (PLANTED_VERSION),
   when the program's own code calls one of that DLL's functions. Wine's user32 imports
   version.dll and reads the program's version with it as the process starts, so under Wine the
   stand-in is loaded and called whatever the program does; what must never happen is that the
   program itself calls into it. */
#include <windows.h>

static HINSTANCE self;

static void LeaveMarker(void) {
  wchar_t path[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  lstrcatW(path, L".ran");
  const HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason == DLL_PROCESS_ATTACH) {
    self = instance;
#ifndef PLANTED_VERSION
    LeaveMarker();
#endif
  }
  return TRUE;
}

#ifdef PLANTED_VERSION
static void MarkIfTheProgramCalled(void* returnAddress) {
  HMODULE caller = NULL;
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         (LPCWSTR)returnAddress, &caller) &&
      caller == GetModuleHandleW(NULL)) {
    LeaveMarker();
  }
}

/* Exported under version.dll's names (PlantedVersion.def); each fails as the real one would for a
   file without a version. */
DWORD WINAPI PlantedGetFileVersionInfoSizeW(LPCWSTR file, LPDWORD handle) {
  (void)file;
  MarkIfTheProgramCalled(__builtin_return_address(0));
  if (handle) *handle = 0;
  SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
  return 0;
}

BOOL WINAPI PlantedGetFileVersionInfoW(LPCWSTR file, DWORD handle, DWORD size, LPVOID data) {
  (void)file, (void)handle, (void)size, (void)data;
  MarkIfTheProgramCalled(__builtin_return_address(0));
  SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
  return FALSE;
}

BOOL WINAPI PlantedVerQueryValueW(LPCVOID block, LPCWSTR path, LPVOID* value, PUINT length) {
  (void)block, (void)path;
  MarkIfTheProgramCalled(__builtin_return_address(0));
  if (value) *value = NULL;
  if (length) *length = 0;
  return FALSE;
}
#endif
