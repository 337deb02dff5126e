// Settings.xml on disk. The file is opened by its UTF-16 path, so any user or folder name works,
// and a save goes to a temporary file that replaces the old one only once it is complete.
#include <windows.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "app/DataFolder.h"
#include "app/PathText.h"
#include "settings/FaderSettings.h"
#include "settings/SettingsDocument.h"

namespace {

std::wstring SettingsPath() { return path_text::WithTrailingBackslash(DataFolder()) + L"Settings.xml"; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes the document in text mode (CR LF line ends) and makes sure it reached the disk.
bool WriteComplete(const XmlDocument& document, const std::wstring& path) {
  std::FILE* file = _wfopen(path.c_str(), L"w");
  if (!file) return false;
  bool written = document.Save(file) && std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  written = std::fclose(file) == 0 && written;
  return written;
}

// The complete file under a temporary name beside `path`, or an empty name. A leftover file of an
// earlier save is removed first, even read-only; one held open by another program is left alone
// for a fresh name.
std::wstring WriteTemporary(const XmlDocument& document, const std::wstring& path) {
  std::wstring temporary = path + L".new";
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(temporary.c_str());
  const DWORD left = GetFileAttributesW(temporary.c_str());
  if (left == INVALID_FILE_ATTRIBUTES) {
    if (WriteComplete(document, temporary)) return temporary;
    DeleteFileW(temporary.c_str());
    return L"";
  }
  if (left & FILE_ATTRIBUTE_DIRECTORY) return L"";  // no leftover of ours
  wchar_t unique[MAX_PATH];
  if (!GetTempFileNameW(path_text::FolderOf(path).c_str(), L"Set", 0, unique)) return L"";
  if (WriteComplete(document, unique)) return unique;
  DeleteFileW(unique);
  return L"";
}

}  // namespace

bool FaderSettings::Load() {
  const std::wstring path = SettingsPath();
  if (!Exists(path)) {
    const DWORD error = GetLastError();
    const bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    fileState = absent ? SettingsFileState::Absent : SettingsFileState::Unreadable;
    return false;
  }
  std::FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) {
    fileState = SettingsFileState::Unreadable;
    return false;
  }
  XmlDocument document;
  const XmlLoad loaded = document.Load(file);
  std::fclose(file);
  if (loaded == XmlLoad::Unreadable) {
    fileState = SettingsFileState::Unreadable;
    return false;
  }
  const bool accepted = loaded == XmlLoad::Parsed && ReadSettingsDocument(document, *this);
  fileState = accepted ? SettingsFileState::Accepted : SettingsFileState::Rejected;
  return accepted;
}

bool FaderSettings::Save() {
  XmlDocument document;
  WriteSettingsDocument(*this, document);
  if (!EnsureDataFolder()) return false;
  const std::wstring path = SettingsPath();
  // A read-only file is the user's or an administrator's choice; Windows would refuse to replace
  // it anyway, other platforms would not.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  if (fileState == SettingsFileState::Rejected && attributes != INVALID_FILE_ATTRIBUTES) {
    const std::wstring backup = path + L".bak";
    SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileW(path.c_str(), backup.c_str(), FALSE)) return false;
  }
  const std::wstring temporary = WriteTemporary(document, path);
  if (temporary.empty()) return false;
  if (!MoveFileExW(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  fileState = SettingsFileState::Accepted;
  return true;
}

bool FaderSettings::SaveUnasked() {
  return fileState != SettingsFileState::Unreadable && Save();
}
