#pragma once
// The guard around the whole run. Access violations are offered to registered handlers; the
// first that claims one decides. This program registers none, so every exception goes on to
// the system's default handling, which ends the process.
#include <windows.h>

#include <functional>
#include <vector>

class CrashHandler {
 public:
  virtual ~CrashHandler() = default;
  // 0: not claimed; 1: claimed, the guard ends the run; -1: continue at the faulting point.
  virtual int Handle(EXCEPTION_POINTERS* exception, int flag) = 0;
};

// Many readers at once; a writer waits until none is left.
class ReaderLock {
 public:
  ReaderLock();
  ~ReaderLock();
  ReaderLock(const ReaderLock&) = delete;
  ReaderLock& operator=(const ReaderLock&) = delete;
  void LockRead();
  void UnlockRead();
  void LockWrite();
  void UnlockWrite();

 private:
  CRITICAL_SECTION entry_;
  CRITICAL_SECTION count_;
  HANDLE writer_;
  HANDLE readers_;
  HANDLE noReaders_;
  long readerCount_ = 0;
};

class CrashHandlerRegistry {
 public:
  static CrashHandlerRegistry& Instance();
  void Add(CrashHandler* handler);
  void Remove(CrashHandler* handler);
  // The first non-zero verdict, in the order the handlers were added; 0 when none claims.
  int Offer(EXCEPTION_POINTERS* exception);

 private:
  ReaderLock lock_;
  std::vector<CrashHandler*> handlers_;
};

// The filter: only access violations reach the registry.
LONG WINAPI CrashGuardFilter(EXCEPTION_POINTERS* exception);

// Runs the body inside the guard and returns its result unchanged.
int RunGuarded(const std::function<int()>& body);
