// The loader's first call into the program, from the image's TLS callbacks: after the imports
// are loaded and before the C run-time's start-up and constructors, so that nothing the program
// runs can load a DLL from its own folder, nor run with a guard an attacker could know.
#include <windows.h>

#include "app/StackGuard.h"
#include "app/SystemLibraries.h"

namespace {

__attribute__((no_stack_protector)) void NTAPI OnLoaderCall(PVOID, DWORD reason, PVOID) {
  if (reason != DLL_PROCESS_ATTACH) return;
  RestrictDllSearchToSystemFolder();
  SeedStackGuard();
}

}  // namespace

// MinGW's run-time hands the loader every pointer in the .CRT$XL? sections, in name order; its
// own (XLC, for thread-local constructors) comes after this one.
extern "C" {
__attribute__((section(".CRT$XLB"), used)) PIMAGE_TLS_CALLBACK dusklampFirstStep = OnLoaderCall;
}
