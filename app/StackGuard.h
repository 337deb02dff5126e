#pragma once
// The stack protector's guard value, seeded without loading a DLL: GCC's own run-time library
// seeds it from the CryptoAPI in a static constructor, which loads the cryptographic provider's
// DLLs before the program can restrict where DLLs come from.

// Gives the guard this process's value. Only while no function that checks it is on the stack:
// the loader's first call into the program.
void SeedStackGuard();
