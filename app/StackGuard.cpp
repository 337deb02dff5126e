#include "app/StackGuard.h"

#include <windows.h>

#include <cstdint>

extern "C" {

// The compiler's canaries compare against this; the value before seeding is no secret, but not
// zero either.
uintptr_t __stack_chk_guard = uintptr_t(0x2B992DDFA232ull);

// A smashed stack or an overflowing checked call means the process is under attack or broken
// beyond repair: end it at once, running none of its own code (no crash guard, no exit save).
[[noreturn]] static void FailFast(unsigned code) {
  if (IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE)) __asm__ volatile("int $0x29" : : "c"(code));
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_unreachable();
}

[[noreturn]] void __stack_chk_fail() { FailFast(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE); }
[[noreturn]] void __chk_fail() { FailFast(FAST_FAIL_RANGE_CHECK_FAILURE); }

}  // extern "C"

// Checks no canary of its own, since it changes the value a canary is checked against.
__attribute__((no_stack_protector)) void SeedStackGuard() {
  // What Windows' own compiler mixes: the time, the process and thread, the performance
  // counter, and where the stack lies (random with ASLR).
  FILETIME time{};
  GetSystemTimeAsFileTime(&time);
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  uint64_t seed = (uint64_t(time.dwHighDateTime) << 32 | time.dwLowDateTime) ^ GetCurrentProcessId() ^
                  (uint64_t(GetCurrentThreadId()) << 16) ^ uint64_t(counter.QuadPart) ^
                  (GetTickCount64() << 24) ^ reinterpret_cast<uintptr_t>(&seed);
  if (sizeof(uintptr_t) < sizeof(seed)) seed ^= seed >> 32;
  if (uintptr_t(seed) != 0) __stack_chk_guard = uintptr_t(seed);
}
