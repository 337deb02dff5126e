// Where DLLs come from once the search is restricted. The restriction cannot be undone (there is
// no reading back what the search was), so it runs in a copy of this program of its own, and the
// rest of the suite keeps the search it started with.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/SystemLibraries.h"
#include "tests/win/WinTestSupport.h"

namespace {

// Loads a copy of planted.dll from the current folder alone, as the usual search allows.
bool LoadsFromTheCurrentFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"dusklamp-search";
  CreateDirectoryW(folder.c_str(), nullptr);
  CopyFileW((ExeFolder() + L"\\planted.dll").c_str(), (folder + L"\\current.dll").c_str(), FALSE);
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder.c_str());
  const HMODULE loaded = LoadLibraryW(L"current.dll");
  SetCurrentDirectoryW(previous);
  if (loaded) FreeLibrary(loaded);
  DeleteFileW((folder + L"\\current.dll").c_str());
  DeleteFileW((folder + L"\\current.dll.ran").c_str());
  RemoveDirectoryW(folder.c_str());
  return loaded != nullptr;
}

}  // namespace

// Run only by the next test, in a process of its own.
TEST(SystemLibraries, DISABLED_InAProcessOfItsOwn) {
  // planted.dll lies beside the test program, as a planted DLL would beside Dusklamp.
  const HMODULE before = LoadLibraryW(L"planted.dll");
  ASSERT_NE(nullptr, before) << "the planted DLL is not beside the test program";
  FreeLibrary(before);
  RestrictDllSearchToSystemFolder();
  EXPECT_EQ(nullptr, LoadLibraryW(L"planted.dll"));
  const LibraryHandle version = LoadSystemLibrary(L"version.dll");
  EXPECT_TRUE(LibraryFunction<void (*)()>(version.Get(), "VerQueryValueW"));
  EXPECT_FALSE(LoadSystemLibrary(L"planted.dll"));
  DeleteFileW((ExeFolder() + L"\\planted.dll.ran").c_str());
}

TEST(SystemLibraries, AfterTheRestrictionADllBesideTheProgramIsNoLongerFoundByName) {
  ASSERT_TRUE(LoadsFromTheCurrentFolder()) << "the usual search takes the current folder";
  EXPECT_EQ(0u, ExitCodeOfThisProgram(L"--gtest_also_run_disabled_tests --gtest_filter=SystemLibraries.DISABLED_*"));
  EXPECT_TRUE(LoadsFromTheCurrentFolder()) << "this process's search was changed";
}
