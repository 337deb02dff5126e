// Whatever lies in place of Settings.xml, a portable copy starts, runs and exits normally; what
// it could read but not use is kept as Settings.xml.bak and replaced by a valid file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

bool IsValidSettingsFile(const std::string& bytes) {
  return bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<DusklampSettings", 0) == 0 &&
         bytes.find("<Fader auto_fade_interval=\"15\"") != std::string::npos;
}

// Starts the copy, shows the Fader as proof that it runs, and ends it with Exit.
void RunsAndExitsNormally(Dusklamp& app) {
  ASSERT_TRUE(app.Start());
  app.Command(CMD_SHOW_FADER);
  EXPECT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  EXPECT_EQ(1u, app.Exit());
}

std::string Repeated(const std::string& piece, size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// The peak resident set of a start with this file in place, in kB.
long PeakOfAStartWith(const std::string& bytes, const std::wstring& name) {
  Dusklamp app(FreshFolder(name));
  WriteFileBytes(app.SettingsPath(), bytes);
  if (!app.Start()) return -1;
  const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, app.ProcessId());
  WaitForInputIdle(process, 15000);  // the settings were loaded before the loop went idle
  CloseHandle(process);
  const std::wstring folder = app.Folder().substr(app.Folder().rfind(L'\\') + 1);
  const std::wstring out = app.Folder() + L"\\peak.txt";
  RunUnix(L"" E2E_DIR "/peak-rss " + folder + L" " + UnixPath(out), true);
  std::string peak;  // start.exe may return before a Unix program has ended
  WaitUntil([&] { return !(peak = ReadFileBytes(out)).empty() && peak.back() == '\n'; });
  app.Exit();
  return peak.empty() ? -1 : std::atol(peak.c_str());
}

}  // namespace

TEST(DamagedSettings, NoFileCrashesTheProgramAndEachIsReplacedByAValidOne) {
  std::string random(4096, '\0');
  unsigned seed = 12345;
  for (char& c : random) c = char((seed = seed * 1103515245 + 12345) >> 16);
  const struct {
    const char* what;
    std::string bytes;
  } files[] = {
      {"deep nesting, a few hundred KB", Repeated("<a>", 100000)},
      {"deep nesting within the size limit", Repeated("<a>", 20000)},
      {"random bytes", random},
      {"empty", ""},
      {"cut inside a multi-byte character",
       "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<DusklampSettings version=\"1.0\" a=\"\xE2\x82"},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.what);
    Dusklamp app;
    WriteFileBytes(app.SettingsPath(), file.bytes);
    RunsAndExitsNormally(app);
    EXPECT_TRUE(IsValidSettingsFile(ReadFileBytes(app.SettingsPath())));
    EXPECT_TRUE(ReadFileBytes(app.SettingsPath() + L".bak") == file.bytes);
  }
}

TEST(DamagedSettings, A64MegabyteFileCostsNoMoreMemoryThanTheDefaultOne) {
  const long normal = PeakOfAStartWith(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<DusklampSettings version=\"1.0\" "
      "xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\r\n</DusklampSettings>\r\n",
      L"peak-default");
  const long large = PeakOfAStartWith(Repeated("<DusklampSettings>", 64 * 1024 * 1024 / 18), L"peak-large");
  ASSERT_GT(normal, 0);
  ASSERT_GT(large, 0);
  EXPECT_LE(large, normal + 4096) << "kB at peak: " << large << " against " << normal;
}

TEST(DamagedSettings, AReadOnlyFileAndAFolderInItsPlaceAreLeftAlone) {
  Dusklamp readOnly;
  const std::string mine = "<DusklampSettings>mine, read-only</DusklampSettings>";
  WriteFileBytes(readOnly.SettingsPath(), mine);
  SetFileAttributesW(readOnly.SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
  RunsAndExitsNormally(readOnly);
  EXPECT_EQ(mine, ReadFileBytes(readOnly.SettingsPath()));
  SetFileAttributesW(readOnly.SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);

  Dusklamp folder;
  ASSERT_TRUE(CreateDirectoryW(folder.SettingsPath().c_str(), nullptr));
  RunsAndExitsNormally(folder);
  EXPECT_NE(0u, GetFileAttributesW(folder.SettingsPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}
