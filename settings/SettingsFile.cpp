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

// Writes the document in text mode (CR LF line ends) and makes sure it reached the disk.
bool WriteComplete(const XmlDocument& document, const std::wstring& path) {
  std::FILE* file = _wfopen(path.c_str(), L"w");
  if (!file) return false;
  bool written = document.Save(file) && std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
  written = std::fclose(file) == 0 && written;
  return written;
}

}  // namespace

bool FaderSettings::Load() {
  std::FILE* file = _wfopen(SettingsPath().c_str(), L"rb");
  if (!file) return false;
  XmlDocument document;
  const bool parsed = document.Load(file);
  std::fclose(file);
  return parsed && ReadSettingsDocument(document, *this);
}

bool FaderSettings::Save() const {
  XmlDocument document;
  WriteSettingsDocument(*this, document);
  if (!EnsureDataFolder()) return false;
  const std::wstring path = SettingsPath();
  const std::wstring temporary = path + L".new";
  if (!WriteComplete(document, temporary)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (!MoveFileExW(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}
