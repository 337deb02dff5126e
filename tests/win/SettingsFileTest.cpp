// The data folder and Settings.xml on the real file system of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/DataFolder.h"
#include "settings/FaderSettings.h"
#include "settings/Utf.h"
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
    FaderSettings::Instance().fileState = SettingsFileState::Absent;
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

// As Windows answers for an existing drive root (a portable copy on a USB stick): the folder is
// there, so the settings are saved.
TEST_F(SettingsFileTest, AFolderThatExistsIsReadyWhateverItsCreationAnswers) {
  SetFolderCreator([](const wchar_t*) { return int(ERROR_ACCESS_DENIED); });
  EXPECT_TRUE(EnsureDataFolder());
  EXPECT_TRUE(FaderSettings::Instance().Save());
  const Marker log(L"install.log");  // installed: a data folder that does not exist yet
  const std::wstring maker = AppData() + L"\\Quillane";
  DeleteFileW((maker + L"\\Dusklamp\\Settings.xml").c_str());
  RemoveDirectoryW((maker + L"\\Dusklamp").c_str());
  EXPECT_FALSE(EnsureDataFolder());
  SetFolderCreator(nullptr);
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

// A file the user saved from Notepad as "Unicode" (UTF-16 with its mark, either byte order) is
// theirs: read as the same settings, not kept aside as damaged; the next save is UTF-8 again.
TEST_F(SettingsFileTest, AUtf16FileIsReadAsTheSameSettingsAndSavedAsUtf8) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.textSize = 333;
  ASSERT_TRUE(settings.Save());
  const std::wstring text = Utf8ToWide(Read(portable));
  for (const bool bigEndian : {false, true}) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : text) {
      const char high = char(unit >> 8), low = char(unit & 0xFF);
      bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    Write(portable, bytes);
    settings.textSize = 10;
    ASSERT_TRUE(settings.Load()) << bigEndian;
    EXPECT_EQ(333, settings.textSize);
    EXPECT_EQ(SettingsFileState::Accepted, settings.fileState);
    ASSERT_TRUE(settings.SaveUnasked());
    EXPECT_EQ(0u, Read(portable).find("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((portable + L".bak").c_str()));
  }
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

namespace {

// Another program holding a file open without sharing, as a backup or sync program may.
class HeldOpen {
 public:
  explicit HeldOpen(const std::wstring& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldOpen() { CloseHandle(handle_); }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace

TEST_F(SettingsFileTest, AReadOnlyFileIsLeftByteForByteAndTheSaveFails) {
  Write(portable, "<DusklampSettings>mine</DusklampSettings>");
  SetFileAttributesW(portable.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(FaderSettings::Instance().Save());
  EXPECT_FALSE(FaderSettings::Instance().SaveUnasked());
  EXPECT_EQ("<DusklampSettings>mine</DusklampSettings>", Read(portable));
  EXPECT_NE(0u, GetFileAttributesW(portable.c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(SettingsFileTest, ALeftoverTemporaryFileNeverBlocksASave) {
  const std::wstring leftover = portable + L".new";
  Write(leftover, "half");
  SetFileAttributesW(leftover.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(FaderSettings::Instance().Save());
  EXPECT_NE(std::string::npos, Read(portable).find("<Fader "));
  {
    const HeldOpen held(leftover);
    ASSERT_TRUE(held.Held());
    FaderSettings::Instance().textSize = 321;
    EXPECT_TRUE(FaderSettings::Instance().Save());
    EXPECT_NE(std::string::npos, Read(portable).find("text_size=\"321\""));
  }
  DeleteFileW(leftover.c_str());
}

TEST_F(SettingsFileTest, AFileThatCouldNotBeReadIsNotOverwrittenAtExit) {
  Write(portable, "<DusklampSettings>the user's</DusklampSettings>");
  FaderSettings& settings = FaderSettings::Instance();
  {
    const HeldOpen held(portable);
    ASSERT_TRUE(held.Held());
    EXPECT_FALSE(settings.Load());
  }
  EXPECT_EQ(SettingsFileState::Unreadable, settings.fileState);
  EXPECT_FALSE(settings.SaveUnasked());
  EXPECT_EQ("<DusklampSettings>the user's</DusklampSettings>", Read(portable));
  EXPECT_TRUE(settings.Save());  // Options OK: the user's choice
  EXPECT_NE(std::string::npos, Read(portable).find("<Fader "));
}

TEST_F(SettingsFileTest, ARejectedFileIsKeptAsBakWhenItIsReplaced) {
  const std::wstring backup = portable + L".bak";
  Write(backup, "an older backup");
  SetFileAttributesW(backup.c_str(), FILE_ATTRIBUTE_READONLY);
  Write(portable, "<DusklampSettings version=\"1.1\" />");
  FaderSettings& settings = FaderSettings::Instance();
  EXPECT_FALSE(settings.Load());
  EXPECT_EQ(SettingsFileState::Rejected, settings.fileState);
  EXPECT_TRUE(settings.SaveUnasked());
  EXPECT_EQ("<DusklampSettings version=\"1.1\" />", Read(backup));
  EXPECT_NE(std::string::npos, Read(portable).find("<Fader "));
  Write(backup, "kept");
  EXPECT_TRUE(settings.Save());  // the file is Dusklamp's own now: no second backup
  EXPECT_EQ("kept", Read(backup));
  DeleteFileW(backup.c_str());
}
