// Where DLLs come from once the entry point has restricted the search.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/SystemLibraries.h"
#include "tests/win/WinTestSupport.h"

// planted.dll lies beside the test program, as a planted DLL would beside Dusklamp.
TEST(SystemLibraries, AfterTheRestrictionADllBesideTheProgramIsNoLongerFoundByName) {
  const HMODULE before = LoadLibraryW(L"planted.dll");
  ASSERT_NE(nullptr, before) << "the planted DLL is not beside the test program";
  FreeLibrary(before);
  RestrictDllSearchToSystemFolder();
  EXPECT_EQ(nullptr, LoadLibraryW(L"planted.dll"));
  const LibraryHandle version = LoadSystemLibrary(L"version.dll");
  EXPECT_TRUE(LibraryFunction<void (*)()>(version.Get(), "VerQueryValueW"));
  EXPECT_FALSE(LoadSystemLibrary(L"planted.dll"));
  // The rest of the suite runs with the usual search again.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  DeleteFileW((ExeFolder() + L"\\planted.dll.ran").c_str());
}
