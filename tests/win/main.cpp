#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>
#include <commctrl.h>

#include <string>

int CrashInWindowProcedure(bool throwing);

// The Win32 tests run on this one thread, with the common controls the program uses.
int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--crash-in-window-procedure") return CrashInWindowProcedure(false);
  if (argc > 1 && std::string(argv[1]) == "--throw-in-window-procedure") return CrashInWindowProcedure(true);
  testing::InitGoogleTest(&argc, argv);
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
