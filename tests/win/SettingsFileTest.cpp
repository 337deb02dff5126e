// The data folder and Settings.xml on the real file system of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/DataFolder.h"
#include "settings/FaderSettings.h"
#include "tests/win/WinTestSupport.h"

namespace {

std::wstring AppData() {
  wchar_t path[MAX_PATH];
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::string Read(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void Write(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

// Puts an installation marker beside the test program for the length of a test.
class Marker {
 public:
  explicit Marker(const wchar_t* name) : path_(ExeFolder() + L"\\" + name) { Write(path_, "x"); }
  ~Marker() { DeleteFileW(path_.c_str()); }

 private:
  std::wstring path_;
};

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(portable.c_str());
    static_cast<FaderOptions&>(FaderSettings::Instance()) = FaderOptions();
  }
  void TearDown() override {
    SetFileAttributesW(portable.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(portable.c_str());
  }
  const std::wstring portable = PortableSettingsFile();
};

}  // namespace

TEST_F(SettingsFileTest, APlainCopyIsPortableAndKeepsItsDataBesideItself) {
  EXPECT_EQ(ExeFolder(), ProgramFolder());
  EXPECT_TRUE(IsPortable());
  EXPECT_EQ(ProgramFolder(), DataFolder());
}

TEST_F(SettingsFileTest, EitherMarkerMakesACopyInstalledAndTheAnswerIsRecomputed) {
  const std::wstring perUser = AppData() + L"\\Quillane\\Dusklamp\\";
  {
    const Marker log(L"install.log");
    EXPECT_FALSE(IsPortable());
    EXPECT_EQ(perUser, DataFolder());
  }
  {
    const Marker uninstaller(L"unins000.dat");
    EXPECT_FALSE(IsPortable());
    EXPECT_EQ(perUser, DataFolder());
  }
  EXPECT_TRUE(IsPortable());
  EXPECT_EQ(ExeFolder(), DataFolder());
}

TEST_F(SettingsFileTest, EnsureDataFolderCreatesMissingParents) {
  const Marker log(L"install.log");
  const std::wstring maker = AppData() + L"\\Quillane";
  DeleteFileW((maker + L"\\Dusklamp\\Settings.xml").c_str());
  RemoveDirectoryW((maker + L"\\Dusklamp").c_str());
  RemoveDirectoryW(maker.c_str());
  ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(maker.c_str()));
  EXPECT_TRUE(EnsureDataFolder());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((maker + L"\\Dusklamp").c_str()));
  EXPECT_TRUE(EnsureDataFolder());  // already there
  // The folder path ends in a backslash; the file goes straight into it.
  EXPECT_TRUE(FaderSettings::Instance().Save());
  EXPECT_NE(std::string::npos, Read(maker + L"\\Dusklamp\\Settings.xml").find("<Fader "));
}

TEST_F(SettingsFileTest, SaveWritesCrLfLinesAndLoadReadsThemBack) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.overlayColor = ArgbColor::FromRgb(0xAB, 0xCD, 0xEF);
  settings.textSize = 333;
  ASSERT_TRUE(settings.Save());
  const std::string text = Read(portable);
  EXPECT_EQ(0u, text.find("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"));
  EXPECT_NE(std::string::npos, text.find("overlay_color=\"#ABCDEF\""));
  EXPECT_EQ("</DusklampSettings>\r\n", text.substr(text.size() - 21));
  settings.textSize = 10;
  settings.debut = true;
  ASSERT_TRUE(settings.Load());
  EXPECT_EQ(333, settings.textSize);
  EXPECT_FALSE(settings.debut);
}

TEST_F(SettingsFileTest, AFailedSaveLeavesTheOldFileWhole) {
  Write(portable, "mine");
  const std::wstring blocked = portable + L".new";
  ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));  // the new file cannot be written
  EXPECT_FALSE(FaderSettings::Instance().Save());
  EXPECT_EQ("mine", Read(portable));
  RemoveDirectoryW(blocked.c_str());
  EXPECT_TRUE(FaderSettings::Instance().Save());
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(blocked.c_str()));
  EXPECT_NE("mine", Read(portable));
}

TEST_F(SettingsFileTest, LoadWithoutAFileKeepsTheRecord) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.maxOpacity = 42;
  EXPECT_FALSE(settings.Load());
  EXPECT_EQ(42, settings.maxOpacity);
  Write(portable, "<DusklampSettings");
  EXPECT_FALSE(settings.Load());
  EXPECT_EQ(42, settings.maxOpacity);
}
