#include "ui/fader/Audience.h"

#include "app/SystemLibraries.h"
#include "ui/fader/CaptureSupport.h"
#include "ui/fader/ShowBlock.h"

static_assert(QUNS_RUNNING_D3D_FULL_SCREEN == kShellRunningD3dFullScreen, "the shell's values");
static_assert(QUNS_PRESENTATION_MODE == kShellPresentationMode, "the shell's values");

namespace {

ShellStateQuery shellStateQuery = SHQueryUserNotificationState;
DisplayAffinityFunction displayAffinity = SetWindowDisplayAffinity;
WindowsVersionFunction windowsVersion = nullptr;

bool WindowsSupportsCaptureExclusion() {
  const WindowsVersionFunction query =
      windowsVersion ? windowsVersion
                     : LibraryFunction<WindowsVersionFunction>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!query || query(&version) != 0) return false;
  return SupportsCaptureExclusion(version.dwMajorVersion, version.dwMinorVersion,
                                  version.dwBuildNumber);
}

}  // namespace

ShellStateQuery SetShellStateQuery(ShellStateQuery query) {
  const ShellStateQuery previous = shellStateQuery;
  shellStateQuery = query ? query : SHQueryUserNotificationState;
  return previous;
}

int QueryShellState() {
  QUERY_USER_NOTIFICATION_STATE state{};
  return SUCCEEDED(shellStateQuery(&state)) ? int(state) : 0;
}

DisplayAffinityFunction SetDisplayAffinityFunction(DisplayAffinityFunction function) {
  const DisplayAffinityFunction previous = displayAffinity;
  displayAffinity = function ? function : SetWindowDisplayAffinity;
  return previous;
}

WindowsVersionFunction SetWindowsVersionFunction(WindowsVersionFunction function) {
  const WindowsVersionFunction previous = windowsVersion;
  windowsVersion = function;
  return previous;
}

bool ExcludeFromCapture(HWND window, bool exclude) {
  if (!WindowsSupportsCaptureExclusion()) return false;
  return displayAffinity(window, exclude ? WDA_EXCLUDEFROMCAPTURE : WDA_NONE) != FALSE;
}
