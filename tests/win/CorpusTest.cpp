// Every file of the fuzzing corpus, real and malformed, loads without harm as Settings.xml, leaves
// only in-range values, and the next save writes a file that loads again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "settings/FaderSettings.h"
#include "tests/win/WinTestSupport.h"

namespace {

std::vector<std::wstring> CorpusFiles() {
  std::wstring folder = L"Z:" CORPUS_DIR;
  for (wchar_t& c : folder) {
    if (c == L'/') c = L'\\';
  }
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + L"\\" + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

}  // namespace

TEST(Corpus, EveryFileLoadsInRangeAndSavesAValidFile) {
  const std::wstring settingsFile = PortableSettingsFile();
  const std::vector<std::wstring> files = CorpusFiles();
  ASSERT_GE(files.size(), 10u);
  for (const std::wstring& file : files) {
    SCOPED_TRACE(std::string(file.begin(), file.end()));
    ASSERT_TRUE(CopyFileW(file.c_str(), settingsFile.c_str(), FALSE));
    FaderSettings& settings = FaderSettings::Instance();
    static_cast<FaderOptions&>(settings) = FaderOptions();
    settings.Load();
    EXPECT_EQ(kIntervalBounds.Clamp(settings.autoFadeInterval), settings.autoFadeInterval);
    EXPECT_EQ(kDurationBounds.Clamp(settings.fadeDuration), settings.fadeDuration);
    EXPECT_EQ(kOpacityBounds.Clamp(settings.maxOpacity), settings.maxOpacity);
    EXPECT_EQ(kTextSizeBounds.Clamp(settings.textSize), settings.textSize);
    EXPECT_EQ(0xFFu, settings.overlayColor.value >> 24);
    ASSERT_TRUE(settings.Save());
    const FaderOptions saved = settings;
    static_cast<FaderOptions&>(settings) = FaderOptions();
    ASSERT_TRUE(settings.Load());
    EXPECT_EQ(saved.autoFadeInterval, settings.autoFadeInterval);
    EXPECT_EQ(saved.overlayColor, settings.overlayColor);
    EXPECT_EQ(saved.textSize, settings.textSize);
  }
  DeleteFileW(settingsFile.c_str());
  DeleteFileW((settingsFile + L".bak").c_str());
}
