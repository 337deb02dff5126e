// The crash guard's filter and handler registry, and a real access violation under the guard.
#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <string>

#include "app/CrashGuard.h"
#include "tests/win/WinTestSupport.h"

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


// The guard must let the process die of an access violation inside a window procedure.
TEST(CrashGuard, AnAccessViolationInAWindowProcedureEndsTheProcess) {
  EXPECT_EQ(DWORD(EXCEPTION_ACCESS_VIOLATION), ExitCodeOfThisProgram(L"--crash-in-window-procedure"));
}

// An exception nothing caught ends the run quietly, as a failed run: not through abort() (3),
// which can show the C runtime's message box.
TEST(CrashGuard, AnUncaughtExceptionEndsTheRunQuietlyAsAFailedRun) {
  EXPECT_EQ(0u, ExitCodeOfThisProgram(L"--throw-in-window-procedure"));
}

int CrashInWindowProcedure(bool throwing) {
  SetErrorMode(SEM_NOGPFAULTERRORBOX);
  static bool throws = throwing;
  return RunGuarded([] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (message == WM_APP && throws) throw std::bad_alloc();
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
