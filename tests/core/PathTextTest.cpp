#include "app/PathText.h"

#include <gtest/gtest.h>

using namespace path_text;

TEST(PathText, TidyTrimsAndTurnsSlashes) {
  EXPECT_EQ(L"C:\\Program Files\\Dusklamp.exe", Tidy(L" \tC:/Program Files/Dusklamp.exe \r\n"));
  EXPECT_EQ(L"", Tidy(L"   "));
  EXPECT_EQ(L"a b", Tidy(L"a b"));
}

TEST(PathText, FolderOfCutsAtTheLastBackslash) {
  EXPECT_EQ(L"C:\\Tools\\Dusklamp", FolderOf(L"C:\\Tools\\Dusklamp\\Dusklamp.exe"));
  EXPECT_EQ(L"E:\\", FolderOf(L"E:\\Dusklamp.exe"));  // a drive root keeps its backslash
  EXPECT_EQ(L"\\", FolderOf(L"\\Dusklamp.exe"));
  EXPECT_EQ(L"E:\\", FolderOf(L"E:Dusklamp.exe"));
  EXPECT_EQ(L".", FolderOf(L"Dusklamp.exe"));
  EXPECT_EQ(L"\\\\server\\share", FolderOf(L"\\\\server\\share\\Dusklamp.exe"));
}

TEST(PathText, JoinToCurrentCollapsesBackslashesButKeepsUncPrefix) {
  EXPECT_EQ(L"C:\\work\\bin\\Dusklamp.exe", JoinToCurrent(L"C:\\work", L"bin\\\\Dusklamp.exe"));
  EXPECT_EQ(L"C:\\work\\x.exe", JoinToCurrent(L"C:\\work\\", L"\\x.exe"));
  EXPECT_EQ(L"\\\\server\\share\\x.exe", JoinToCurrent(L"\\\\server\\share", L"x.exe"));
  EXPECT_EQ(L"\\x.exe", JoinToCurrent(L"", L"x.exe"));  // no current directory
}

TEST(PathText, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(L"\\", WithTrailingBackslash(L""));
  EXPECT_EQ(L"C:\\data\\", WithTrailingBackslash(L"C:\\data"));
  EXPECT_EQ(L"C:\\data\\", WithTrailingBackslash(L"C:\\data\\"));
}

TEST(PathText, PlaceholdersAreFilledInOrderWhateverTheirNumbers) {
  EXPECT_EQ(L"\\Quillane\\Dusklamp\\", FillPlaceholders(L"\\%1\\%2\\", L"Quillane", L"Dusklamp"));
  EXPECT_EQ(L"a-b", FillPlaceholders(L"%2-%1", L"a", L"b"));
  EXPECT_EQ(L"100% a b", FillPlaceholders(L"100% %17 %3", L"a", L"b"));
  EXPECT_EQ(L"%1x", FillPlaceholders(L"%9", L"%1x", L"never"));  // a value is not refilled
}
