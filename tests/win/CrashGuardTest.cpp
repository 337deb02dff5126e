// The crash guard's filter and handler registry, and a real access violation under the guard.
#include <gtest/gtest.h>

#include <string>

#include "app/CrashGuard.h"

namespace {

struct CountingHandler : CrashHandler {
  explicit CountingHandler(int answer) : verdict(answer) {}
  int Handle(EXCEPTION_POINTERS*, int flag) override {
    ++calls;
    lastFlag = flag;
    return verdict;
  }
  int verdict;
  int calls = 0;
  int lastFlag = 0;
};

LONG Filter(DWORD code) {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = code;
  CONTEXT context{};
  EXCEPTION_POINTERS pointers{&record, &context};
  return CrashGuardFilter(&pointers);
}

}  // namespace

TEST(CrashGuard, OnlyAccessViolationsReachTheHandlers) {
  CountingHandler claims(1);
  CrashHandlerRegistry::Instance().Add(&claims);
  EXPECT_EQ(EXCEPTION_CONTINUE_SEARCH, Filter(EXCEPTION_BREAKPOINT));
  EXPECT_EQ(EXCEPTION_CONTINUE_SEARCH, Filter(0xE06D7363));  // an uncaught C++ exception
  EXPECT_EQ(EXCEPTION_CONTINUE_SEARCH, CrashGuardFilter(nullptr));
  EXPECT_EQ(0, claims.calls);
  EXPECT_EQ(EXCEPTION_EXECUTE_HANDLER, Filter(EXCEPTION_ACCESS_VIOLATION));
  EXPECT_EQ(1, claims.calls);
  EXPECT_EQ(1, claims.lastFlag);
  CrashHandlerRegistry::Instance().Remove(&claims);
}

TEST(CrashGuard, TheFirstHandlerThatClaimsDecides) {
  CountingHandler declines(0), continues(-1), claims(1);
  for (CrashHandler* handler : {static_cast<CrashHandler*>(&declines), static_cast<CrashHandler*>(&continues),
                                static_cast<CrashHandler*>(&claims)}) {
    CrashHandlerRegistry::Instance().Add(handler);
  }
  EXPECT_EQ(EXCEPTION_CONTINUE_EXECUTION, Filter(EXCEPTION_ACCESS_VIOLATION));
  EXPECT_EQ(1, declines.calls);
  EXPECT_EQ(1, continues.calls);
  EXPECT_EQ(0, claims.calls);
  for (CrashHandler* handler : {static_cast<CrashHandler*>(&declines), static_cast<CrashHandler*>(&continues),
                                static_cast<CrashHandler*>(&claims)}) {
    CrashHandlerRegistry::Instance().Remove(handler);
  }
  EXPECT_EQ(EXCEPTION_CONTINUE_SEARCH, Filter(EXCEPTION_ACCESS_VIOLATION));  // empty: declined
}

TEST(CrashGuard, ANormalRunReturnsItsOwnResult) {
  EXPECT_EQ(7, RunGuarded([] { return 7; }));
  EXPECT_EQ(0, RunGuarded([] { return 0; }));
}

// This program, started again with --crash-in-window-procedure, faults inside a window procedure
// under the guard; the guard must let the process die of it.
TEST(CrashGuard, AnAccessViolationInAWindowProcedureEndsTheProcess) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --crash-in-window-procedure";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  EXPECT_EQ(DWORD(EXCEPTION_ACCESS_VIOLATION), code);
}

int CrashInWindowProcedure() {
  SetErrorMode(SEM_NOGPFAULTERRORBOX);
  return RunGuarded([] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message == WM_APP) *reinterpret_cast<volatile int*>(lParam) = 1;  // lParam is null
      return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Faulty";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(L"Faulty", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    PostMessageW(window, WM_APP, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 3;
  });
}
