// A DLL of a system name beside the program (a Downloads folder holding a "version.dll") never
// runs inside it. Wine, told to prefer native copies of these names, searches the program's
// folder first, as Windows does for every DLL that is not one of its KnownDLLs.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

// The one the program used to import, then names that system DLLs load on Windows while a
// program shows dialogs and a layered window. Not planted: what Wine's own DLLs pull in while
// the process starts, before any of the program's code runs (Wine has no KnownDLLs, so those
// come from the program's folder for every program), and what Wine's uxtheme delay-loads, which
// ignores the search order the program sets (msimg32).
const wchar_t* const kPlanted[] = {L"dwmapi", L"propsys", L"cryptbase", L"oleacc", L"textinputframework",
                                   L"coremessaging", L"cryptsp", L"wtsapi32", L"dbghelp"};

HWND WaitForDialog(const Dusklamp& app, const wchar_t* caption) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindProcessWindow(app.ProcessId(), L"#32770", caption)) != nullptr; });
  return dialog;
}

void Plant(const std::wstring& library, const std::wstring& asFile) {
  ASSERT_TRUE(CopyFileW((TestExeFolder() + L"\\" + library).c_str(), asFile.c_str(), FALSE)) << asFile;
}

}  // namespace

TEST(PlantedDll, NoneRunsWhileTheProgramStartsShowsItsDialogsAndFades) {
  Dusklamp app;
  std::wstring names = L"version";
  Plant(L"planted_version.dll", app.Folder() + L"\\version.dll");
  for (const wchar_t* name : kPlanted) {
    Plant(L"planted.dll", app.Folder() + L"\\" + name + L".dll");
    names += L"," + std::wstring(name);
  }
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<DusklampSettings version=\"1.0\" "
                 "xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\"><Options>"
                 "<Fader fade_duration=\"2\" /></Options></DusklampSettings>\n");
  const std::wstring wineOutput = app.Folder() + L"\\wine.txt";
  ASSERT_TRUE(app.StartUnderWine(L"WINEDLLOVERRIDES='mscoree,mshtml=;" + names + L"=n,b'", wineOutput))
      << ReadFileBytes(wineOutput);

  app.Command(CMD_OPTIONS);
  const HWND options = WaitForDialog(app, L"Dusklamp Options");
  ASSERT_NE(nullptr, options);
  PostMessageW(options, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
  app.Command(CMD_ABOUT);
  const HWND about = WaitForDialog(app, L"About Dusklamp");
  ASSERT_NE(nullptr, about);
  wchar_t version[64] = {};
  GetDlgItemTextW(about, 1126, version, 64);
  // The stand-in fails every call: this text comes from the system's version.dll.
  EXPECT_STREQ(L"Version 2.4.0  (Build 59)", version);
  PostMessageW(about, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  app.Command(CMD_TOGGLE_SHOW);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }));
  EXPECT_EQ(1u, app.Exit()) << ReadFileBytes(wineOutput);

  EXPECT_FALSE(FileExists(app.Folder() + L"\\version.dll.ran")) << "the program called the planted version.dll";
  for (const wchar_t* name : kPlanted) {
    EXPECT_FALSE(FileExists(app.Folder() + L"\\" + name + L".dll.ran")) << "ran: " << name;
  }
}

// Wine's trace of every call: the program's first deed restricts the search, before the C
// run-time starts (its start-up and the static constructors run before the entry point) and
// before anything reaches the CryptoAPI, whose providers are DLLs loaded by name.
TEST(PlantedDll, TheSearchIsRestrictedBeforeTheRunTimeStarts) {
  Dusklamp app;
  const std::wstring trace = app.Folder() + L"\\relay.txt";
  ASSERT_TRUE(app.StartUnderWine(L"WINEDEBUG=+loaddll,+relay", trace, 120000)) << "no window in two minutes";
  EXPECT_EQ(1u, app.Exit());
  const std::string lines = ReadFileBytes(trace);
  DeleteFileW(trace.c_str());
  // Calls from the program's own image, which the loader reports with its address.
  const size_t loaded = lines.find("Dusklamp.exe\" at ");
  ASSERT_NE(std::string::npos, loaded) << "the trace names no image";
  const unsigned long long base = std::stoull(lines.substr(loaded + 17, 16), nullptr, 16);
  size_t restriction = std::string::npos;
  std::string runTimeFirst;  // the program's first call into the C run-time before the restriction
  for (size_t at = lines.find("Call "); at != std::string::npos && restriction == std::string::npos;
       at = lines.find("Call ", at + 5)) {
    const std::string line = lines.substr(at, lines.find('\n', at) - at);
    const size_t ret = line.rfind(" ret=");
    if (ret == std::string::npos) continue;
    const unsigned long long caller = std::stoull(line.substr(ret + 5), nullptr, 16);
    if (caller < base || caller >= base + 0x1000000) continue;
    if (line.find("SetDefaultDllDirectories(00000800)") != std::string::npos) restriction = at;
    if (line.compare(5, 7, "msvcrt.") == 0 && runTimeFirst.empty()) runTimeFirst = line;
  }
  ASSERT_NE(std::string::npos, restriction) << "the program never restricted the search";
  EXPECT_EQ("", runTimeFirst) << "the C run-time ran before the restriction";
  EXPECT_EQ(std::string::npos, lines.rfind(".Crypt", restriction)) << "the CryptoAPI was called before the restriction";
}
