// Settings.xml as the running program reads and writes it, in folders with any name.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "tests/e2e/Harness.h"

namespace {

const char kDefaultFile[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
    "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\r\n"
    "    <States>\r\n"
    "        <Application debut=\"0\" />\r\n"
    "    </States>\r\n"
    "    <Options>\r\n"
    "        <Fader auto_fade_interval=\"15\" fade_duration=\"20\" max_opacity=\"70\" "
    "overlay_color=\"#0000FF\" text_color=\"#FFFFFF\" text_size=\"250\" auto_block=\"1\" hide_from_capture=\"1\" show_on=\"primary\" clock=\"24_hour\" "
    "working_hours=\"0\" work_days=\"mon,tue,wed,thu,fri\" work_from=\"09:00\" work_to=\"18:00\" show_key=\"\" sound=\"none\" show_fader=\"1\" language=\"windows\" />\r\n"
    "    </Options>\r\n"
    "</DusklampSettings>\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

}  // namespace

TEST(Settings, PortableCopyInAFolderWithCyrillicAndCjkNamesWritesTheDefaults) {
  Dusklamp app(FreshFolder(L"\u041d\u0430\u0441\u0442\u0440\u043e\u0439\u043a\u0438 \u8a2d\u5b9a"));
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ(kDefaultFile, ReadFileBytes(app.SettingsPath()));
  EXPECT_FALSE(FileExists(app.SettingsPath() + L".new"));
}

TEST(Settings, HandWrittenValuesAreClampedAndNormalisedAndSurviveARestart) {
  Dusklamp app(FreshFolder(L"\u041f\u0430\u043f\u043a\u0430"));
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
                 "  <States><Application debut=\"7\" /></States>\n"
                 "  <Options><Fader auto_fade_interval=\"0\" fade_duration=\"301\" max_opacity=\"abc\"\n"
                 "     overlay_color=\"#abcdef\" text_color=\"#12345\" text_size=\"5\" auto_block=\"2\" />\n"
                 "  </Options>\n"
                 "</DusklampSettings>\n");
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  std::string expected = Replace(kDefaultFile, "auto_fade_interval=\"15\" fade_duration=\"20\"",
                                 "auto_fade_interval=\"1\" fade_duration=\"300\"");
  expected = Replace(expected, "overlay_color=\"#0000FF\" text_color=\"#FFFFFF\" text_size=\"250\"",
                     "overlay_color=\"#ABCDEF\" text_color=\"#000000\" text_size=\"10\"");
  EXPECT_EQ(expected, ReadFileBytes(app.SettingsPath()));
  ASSERT_TRUE(app.Start());  // the clamped values load back unchanged
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ(expected, ReadFileBytes(app.SettingsPath()));
}

TEST(Settings, AFileOfAnotherVersionIsReplacedByTheRecordsValues) {
  Dusklamp app;
  WriteFileBytes(app.SettingsPath(),
                 "<DusklampSettings version=\"1.1\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">"
                 "<Options><Fader auto_fade_interval=\"30\" /></Options></DusklampSettings>");
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ(kDefaultFile, ReadFileBytes(app.SettingsPath()));
}

TEST(Settings, AFailedWriteNeverDamagesTheFileAndTheProgramRunsOn) {
  Dusklamp app;
  const std::string mine = Replace(kDefaultFile, "max_opacity=\"70\"", "max_opacity=\"55\"");
  WriteFileBytes(app.SettingsPath(), mine);
  ASSERT_TRUE(CreateDirectoryW((app.SettingsPath() + L".new").c_str(), nullptr));
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ(mine, ReadFileBytes(app.SettingsPath()));
}

TEST(Settings, AnUncreatableDataFolderNeverCrashesTheProgram) {
  wchar_t appData[MAX_PATH];
  ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData));
  const std::wstring maker = std::wstring(appData) + L"\\Quillane";
  DeleteFileW((maker + L"\\Dusklamp\\Settings.xml").c_str());
  RemoveDirectoryW((maker + L"\\Dusklamp").c_str());
  RemoveDirectoryW(maker.c_str());
  WriteFileBytes(maker, "a file where the folder should be");
  Dusklamp app;
  WriteFileBytes(app.Folder() + L"\\install.log", "Dusklamp.exe\r\n");
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ("a file where the folder should be", ReadFileBytes(maker));
  DeleteFileW(maker.c_str());
}

TEST(Settings, InstalledCopyKeepsItsSettingsInTheRoamingApplicationDataFolder) {
  wchar_t appData[MAX_PATH];
  ASSERT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData));
  const std::wstring perUser = std::wstring(appData) + L"\\Quillane\\Dusklamp\\Settings.xml";
  DeleteFileW(perUser.c_str());
  RemoveDirectoryW((std::wstring(appData) + L"\\Quillane\\Dusklamp").c_str());
  RemoveDirectoryW((std::wstring(appData) + L"\\Quillane").c_str());

  Dusklamp app;
  WriteFileBytes(app.Folder() + L"\\install.log", "Dusklamp.exe\r\n");
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_EQ(kDefaultFile, ReadFileBytes(perUser));
  EXPECT_FALSE(FileExists(app.SettingsPath()));

  DeleteFileW((app.Folder() + L"\\install.log").c_str());
  WriteFileBytes(app.Folder() + L"\\unins000.dat", "x");
  DeleteFileW(perUser.c_str());
  ASSERT_TRUE(app.Start());
  // The folder is asked afresh at every save: without the marker the save goes beside the program.
  DeleteFileW((app.Folder() + L"\\unins000.dat").c_str());
  EXPECT_EQ(1u, app.Exit());
  EXPECT_TRUE(FileExists(app.SettingsPath()));
  EXPECT_FALSE(FileExists(perUser));
}
