#pragma once
// Where Settings.xml lives: per user for an installed copy, beside the program for a portable
// one. Every call asks the file system afresh.
#include <string>

// The executable's folder, without a trailing backslash except at a drive root.
std::wstring ProgramFolder();
// True when the program folder holds neither install.log nor unins???.dat.
bool IsPortable();
// The roaming application data folder plus "Quillane\Dusklamp\", or the program folder.
std::wstring DataFolder();
// Creates the data folder and its missing parents; true when it exists afterwards.
bool EnsureDataFolder();

// The call that creates a folder with its parents (SHCreateDirectoryExW's result), replaceable by
// tests: Wine answers "already exists" for a drive root where Windows answers "access denied".
using FolderCreator = int (*)(const wchar_t* folder);
// Installs `creator`, or SHCreateDirectoryExW when null; returns the one in place before.
FolderCreator SetFolderCreator(FolderCreator creator);
