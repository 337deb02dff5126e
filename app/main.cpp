#include <windows.h>

#include "app/Application.h"
#include "app/CrashGuard.h"
#include "app/SystemLibraries.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  RestrictDllSearchToSystemFolder();
  AppInstance app;
  const int result = RunGuarded([&] { return StartApplication(app, instance); });
  app.mutex.Reset();
  return result;
}
