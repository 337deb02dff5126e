#include <windows.h>

#include "app/Application.h"
#include "app/CrashGuard.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  AppInstance app;
  const int result = RunGuarded([&] { return StartApplication(app, instance); });
  app.mutex.Reset();
  return result;
}
