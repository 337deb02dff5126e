#include "app/DataFolder.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "app/PathText.h"

namespace {

const wchar_t kDataPathPattern[] = L"\\%1\\%2\\";

int CreateWithParents(const wchar_t* folder) { return SHCreateDirectoryExW(nullptr, folder, nullptr); }

FolderCreator folderCreator = CreateWithParents;

std::wstring MakeAbsolute(const std::wstring& path) {
  wchar_t current[270];
  const DWORD length = GetCurrentDirectoryW(270, current);
  const std::wstring currentDirectory = length > 0 && length < 270 ? current : L"";
  const std::wstring joined = path_text::JoinToCurrent(currentDirectory, path);
  wchar_t canonical[MAX_PATH];
  if (joined.size() < MAX_PATH && PathCanonicalizeW(canonical, joined.c_str())) return canonical;
  return joined;
}

bool Exists(const std::wstring& pattern) {
  if (pattern.size() >= MAX_PATH) return false;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

}  // namespace

std::wstring ProgramFolder() {
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  if (length == 0) return std::wstring();
  std::wstring path = path_text::Tidy(std::wstring(module, length));
  if (PathIsDirectoryW(path.c_str())) path = path_text::WithTrailingBackslash(path);
  if (PathIsRelativeW(path.c_str())) path = MakeAbsolute(path);
  return path_text::FolderOf(path);
}

bool IsPortable() {
  const std::wstring folder = path_text::WithTrailingBackslash(ProgramFolder());
  return !Exists(folder + L"install.log") && !Exists(folder + L"unins???.dat");
}

std::wstring DataFolder() {
  if (IsPortable()) return ProgramFolder();
  wchar_t appData[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, appData))) {
    return ProgramFolder();
  }
  const std::wstring relative =
      path_text::FillPlaceholders(kDataPathPattern, L"Quillane", L"Dusklamp");
  PathAppendW(appData, relative.c_str());
  return appData;
}

// What counts is the folder afterwards: creating an existing drive root (a portable copy on a
// USB stick) or share fails with an access error although the folder is there.
bool EnsureDataFolder() {
  const std::wstring folder = DataFolder();
  folderCreator(folder.c_str());
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FolderCreator SetFolderCreator(FolderCreator creator) {
  const FolderCreator previous = folderCreator;
  folderCreator = creator ? creator : CreateWithParents;
  return previous;
}
