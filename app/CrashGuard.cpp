#include "app/CrashGuard.h"

#include <algorithm>
#include <climits>
#include <exception>

ReaderLock::ReaderLock()
    : writer_(CreateMutexW(nullptr, FALSE, nullptr)),
      readers_(CreateSemaphoreW(nullptr, LONG_MAX, LONG_MAX, nullptr)),
      noReaders_(CreateEventW(nullptr, TRUE, TRUE, nullptr)) {
  InitializeCriticalSection(&entry_);
  InitializeCriticalSection(&count_);
}

ReaderLock::~ReaderLock() {
  CloseHandle(noReaders_);
  CloseHandle(readers_);
  CloseHandle(writer_);
  DeleteCriticalSection(&count_);
  DeleteCriticalSection(&entry_);
}

void ReaderLock::LockRead() {
  EnterCriticalSection(&entry_);
  WaitForSingleObject(writer_, INFINITE);
  EnterCriticalSection(&count_);
  WaitForSingleObject(readers_, INFINITE);
  ++readerCount_;
  LeaveCriticalSection(&count_);
  ReleaseMutex(writer_);
  ResetEvent(noReaders_);
  LeaveCriticalSection(&entry_);
}

void ReaderLock::UnlockRead() {
  EnterCriticalSection(&entry_);
  EnterCriticalSection(&count_);
  ReleaseSemaphore(readers_, 1, nullptr);
  const bool last = --readerCount_ == 0;
  LeaveCriticalSection(&count_);
  if (last) SetEvent(noReaders_);
  LeaveCriticalSection(&entry_);
}

void ReaderLock::LockWrite() {
  WaitForSingleObject(writer_, INFINITE);
  WaitForSingleObject(noReaders_, INFINITE);
}

void ReaderLock::UnlockWrite() { ReleaseMutex(writer_); }

CrashHandlerRegistry& CrashHandlerRegistry::Instance() {
  static CrashHandlerRegistry registry;
  return registry;
}

void CrashHandlerRegistry::Add(CrashHandler* handler) {
  lock_.LockWrite();
  handlers_.push_back(handler);
  lock_.UnlockWrite();
}

void CrashHandlerRegistry::Remove(CrashHandler* handler) {
  lock_.LockWrite();
  handlers_.erase(std::remove(handlers_.begin(), handlers_.end(), handler), handlers_.end());
  lock_.UnlockWrite();
}

int CrashHandlerRegistry::Offer(EXCEPTION_POINTERS* exception) {
  lock_.LockRead();
  int verdict = 0;
  for (CrashHandler* handler : handlers_) {
    verdict = handler->Handle(exception, 1);
    if (verdict != 0) break;
  }
  lock_.UnlockRead();
  return verdict;
}

LONG WINAPI CrashGuardFilter(EXCEPTION_POINTERS* exception) {
  if (!exception || !exception->ExceptionRecord ||
      exception->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  return CrashHandlerRegistry::Instance().Offer(exception);
}

namespace {

// The compiler offers no structured exception blocks, so the guard filters what nothing inside
// the run handled. A claimed exception ends the run as the guard's own handler would.
LONG WINAPI GuardFilter(EXCEPTION_POINTERS* exception) {
  const LONG verdict = CrashGuardFilter(exception);
  if (verdict == EXCEPTION_EXECUTE_HANDLER) {
    MessageBoxW(nullptr, L"Accession violation!", L"Unhandled Exception", MB_OK | MB_ICONSTOP);
    ExitProcess(0);
  }
  return verdict;
}

// A C++ exception that nothing caught (std::bad_alloc, say) would end in abort(), which can show
// the C runtime's message box and exits with 3: the run ends quietly instead, as a failed run.
[[noreturn]] void EndFailedRun() { ExitProcess(0); }

}  // namespace

int RunGuarded(const std::function<int()>& body) {
  const LPTOP_LEVEL_EXCEPTION_FILTER previous = SetUnhandledExceptionFilter(GuardFilter);
  const std::terminate_handler previousTerminate = std::set_terminate(EndFailedRun);
  const int result = body();
  std::set_terminate(previousTerminate);
  SetUnhandledExceptionFilter(previous);
  return result;
}
