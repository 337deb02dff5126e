// Every language Dusklamp speaks, set in process as the start would: its texts in the menu, both
// dialogs and the tooltips, read back against its translation file, and both dialogs tidy in it.
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "app/Languages.h"
#include "app/Resources.h"
#include "settings/Utf.h"
#include "tests/win/DialogLayout.h"
#include "tests/win/MainWindowFixture.h"
#include "ui/Handles.h"
#include "ui/about/AboutIds.h"
#include "ui/fader/ClockFormat.h"
#include "ui/options/OptionsIds.h"

namespace {

// A translation file's texts by context and English text; the template's English for English.
using Translations = std::map<std::pair<std::wstring, std::wstring>, std::wstring>;

std::string Unquoted(const std::string& line) {
  std::string text;
  for (size_t i = line.find('"') + 1; i + 1 < line.size(); ++i) {
    if (line[i] == '\\') ++i;
    text += line[i];
  }
  return text;
}

Translations ReadTranslations(const Language& language) {
  const bool english = language.id == EnglishLanguage().id;
  const std::wstring path = std::wstring(LANG_DIR L"/") + (english ? L"Dusklamp.pot" : std::wstring(language.tag) + L".po");
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  const std::string all = bytes.str();
  Translations translations;
  std::map<std::string, std::string> entry;
  std::string field;
  for (size_t at = 0; at <= all.size();) {
    const size_t end = std::min(all.find('\n', at), all.size());
    const std::string line = all.substr(at, end - at);
    at = end + 1;
    if (line.rfind("msg", 0) == 0) {
      field = line.substr(0, line.find(' '));
      entry[field] = Unquoted(line);
    } else if (line.rfind("\"", 0) == 0 && !field.empty()) {
      entry[field] += Unquoted(line);
    } else if (line.empty() && !entry["msgid"].empty()) {
      translations[{Utf8ToWide(entry["msgctxt"]), Utf8ToWide(entry["msgid"])}] = Utf8ToWide(english ? entry["msgid"] : entry["msgstr"]);
      entry.clear();
    }
  }
  return translations;
}

std::set<std::wstring> TextsOf(const Translations& translations, const std::wstring& context) {
  std::set<std::wstring> texts;
  for (const auto& [key, text] : translations) {
    if (key.first == context) texts.insert(text);
  }
  return texts;
}

std::wstring MenuText(HMENU menu, UINT position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
  return text;
}

}  // namespace

class LanguagesTest : public MainWindowTest {
 protected:
  const Translations english_ = ReadTranslations(EnglishLanguage());
  void TearDown() override {
    SetResourceLanguage(EnglishLanguage().id);
    MainWindowTest::TearDown();
  }
  // Each text the dialog shows is one of this language's for it, or one no language translates
  // (the product's name); its caption too.
  void ExpectSpoken(HWND dialog, const Translations& translations, const wchar_t* context, const wchar_t* caption) {
    EXPECT_EQ(translations.at({context, caption}), TextOf(dialog));
    const std::set<std::wstring> texts = TextsOf(translations, context), sources = TextsOf(english_, context);
    const std::set<std::wstring> lists = TextsOf(translations, L"Texts");
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      const int id = GetDlgCtrlID(c);
      const bool own = (id >= IDC_DAY_1 && id < IDC_DAY_1 + 7) || id == IDC_VERSION_TEXT || id == IDC_WEBSITE_LINK;
      const std::wstring text = TextOf(c);
      wchar_t kind[32] = {};
      GetClassNameW(c, kind, 32);
      if (!own && !text.empty() && (lstrcmpiW(kind, L"Static") == 0 || lstrcmpiW(kind, L"Button") == 0)) {
        EXPECT_TRUE(texts.count(text) || !sources.count(text)) << testing::PrintToString(text);
      }
      if (lstrcmpiW(kind, L"ComboBox") == 0 && id != IDC_LANGUAGE) {
        wchar_t entry[256] = {};
        SendMessageW(c, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(entry));
        EXPECT_EQ(1u, lists.count(entry)) << testing::PrintToString(std::wstring(entry));
      }
    }
  }
};

TEST_F(LanguagesTest, EachLanguageSpeaksInTheMenuTheDialogsAndTheTooltipsAndItsDialogsAreTidy) {
  FakeClock clock;
  for (size_t i = 0; i < kLanguageCount; ++i) {
    const Language& language = kLanguages[i];
    SCOPED_TRACE(testing::Message() << "language " << std::string(language.tag, language.tag + wcslen(language.tag)));
    const Translations translations = ReadTranslations(language);
    ASSERT_GE(translations.size(), english_.size());
    SetResourceLanguage(language.id);

    // The menu, item by item, and its submenu.
    const MenuHandle menu(LoadLanguageMenu(MenuTray));
    SetResourceLanguage(EnglishLanguage().id);
    const MenuHandle englishMenu(LoadLanguageMenu(MenuTray));
    SetResourceLanguage(language.id);
    const HMENU popup = GetSubMenu(menu.Get(), 0), englishPopup = GetSubMenu(englishMenu.Get(), 0);
    ASSERT_EQ(GetMenuItemCount(englishPopup), GetMenuItemCount(popup));
    for (int item = 0; item < GetMenuItemCount(popup); ++item) {
      const std::wstring source = MenuText(englishPopup, UINT(item));
      if (!source.empty()) EXPECT_EQ(translations.at({L"Tray menu", source}), MenuText(popup, UINT(item)));
      if (const HMENU sub = GetSubMenu(popup, item)) {
        for (int entry = 0; entry < GetMenuItemCount(sub); ++entry) {
          EXPECT_EQ(translations.at({L"Tray menu > Pause Auto Fade", MenuText(GetSubMenu(englishPopup, item), UINT(entry))}),
                    MenuText(sub, UINT(entry)));
        }
      }
    }

    // Both dialogs, in this language and tidy in it.
    EXPECT_TRUE(WorkInDialog(CmdOptions, [&](HWND dialog) {
      ExpectSpoken(dialog, translations, L"Options dialog", L"Dusklamp Options");
      EXPECT_EQ(LRESULT(1 + kLanguageCount), SendDlgItemMessageW(dialog, IDC_LANGUAGE, CB_GETCOUNT, 0, 0));
      ShowWindow(GetDlgItem(dialog, IDC_NO_VOICE), SW_SHOWNA);
      ExpectTidy(dialog);
    }));
    EXPECT_TRUE(WorkInDialog(CmdAbout, [&](HWND dialog) {
      ExpectSpoken(dialog, translations, L"About dialog", L"About Dusklamp");
      EXPECT_EQ(FillBlanks(translations.at({L"Texts", L"Version %1.%2.%3  (Build %4)"}), {L"2", L"4", L"0", L"59"}),
                TextOf(GetDlgItem(dialog, IDC_VERSION_TEXT)));
      ExpectTidy(dialog);
    }));

    // The tooltips put the time in the chosen clock style into this language's sentence.
    FaderSettings& settings = FaderSettings::Instance();
    settings.workingHours = {true, 0x3E, 9 * 60, 18 * 60};
    settings.clock = ClockStyle::Windows;
    clock.Set(7, 0, 0);
    window.StartAutoFade();
    const SYSTEMTIME nine{2026, 12, 2, 8, 9, 0, 0, 0};
    EXPECT_EQ(FillBlanks(translations.at({L"Texts", L"Dusklamp - fades again %1 %2"}),
                         {DayName(nine), FormatClock(ClockStyle::Windows, nine)}),
              window.Tray().Tip());
    settings.clock = ClockStyle::TwentyFourHour;
    settings.workingHours.on = false;
    clock.Set(15, 0, 0);
    window.StartAutoFade();
    Send(CmdPause30Minutes);
    EXPECT_EQ(FillBlanks(translations.at({L"Texts", L"Dusklamp - paused until %1"}), {L"15:30"}), window.Tray().Tip());
    Send(CmdAutoFade);
  }
}
