// What a screen reader hears of the dialogs, asked as one asks, and what high contrast shows.
#include <oleacc.h>

#include "app/Languages.h"
#include "app/Resources.h"
#include "tests/win/MainWindowFixture.h"
#include "ui/Accessible.h"
#include "ui/HighContrast.h"
#include "ui/about/AboutIds.h"
#include "ui/options/OptionsIds.h"

namespace {

struct Heard {
  std::wstring name;
  LONG role = 0;
};

Heard Ask(HWND control) {
  Heard heard;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
    return heard;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (SUCCEEDED(object->get_accName(self, &name)) && name) heard.name = name;
  SysFreeString(name);
  VARIANT role{};
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) heard.role = role.lVal;
  object->Release();
  return heard;
}

bool highContrast = false;
bool HighContrastForTest() { return highContrast; }

// Whether any pixel of the control's drawing has exactly that colour.
bool Drawn(HWND control, COLORREF color) {
  ClientCanvas canvas(control);
  canvas.PrintClient();
  for (int y = 0; y < canvas.rect.bottom; ++y) {
    for (int x = 0; x < canvas.rect.right; ++x) {
      if (GetPixel(canvas.dc, x, y) == color) return true;
    }
  }
  return false;
}

}  // namespace

class AccessibilityTest : public MainWindowTest {
 protected:
  void TearDown() override {
    SetResourceLanguage(EnglishLanguage().id);
    SetHighContrastQuery(nullptr);
    MainWindowTest::TearDown();
  }
};

// Each swatch is a button named for what it sets and its colour, in the dialog's language. The
// system names a field by the static right before it: this Wine does so for the edit fields only,
// so for the lists, the key and the times it is the label before them that is checked.
TEST_F(AccessibilityTest, SwatchesSayWhatTheySetAndTheirColourAndFieldsAreNamedByTheirLabels) {
  FaderSettings::Instance().textColor = ArgbColor::FromRgb(200, 10, 20);
  EXPECT_TRUE(WorkInDialog(CmdOptions, [&](HWND dialog) {
    const Heard overlay = Ask(GetDlgItem(dialog, IDC_OVERLAY_COLOR));
    EXPECT_EQ(L"Overlay color, blue, #0000FF", overlay.name);
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, overlay.role);
    EXPECT_EQ(L"Text color, red, #C80A14", Ask(GetDlgItem(dialog, IDC_TEXT_COLOR)).name);
    const std::pair<int, const wchar_t*> fields[] = {
        {IDC_INTERVAL, L"Auto fade interval"}, {IDC_DURATION, L"Fade duration"},  {IDC_OPACITY, L"Maximum opacity"},
        {IDC_TEXT_SIZE, L"Text size"},         {IDC_SHOW_ON, L"Show the fader on"}, {IDC_CLOCK, L"Clock"},
        {IDC_WORK_FROM, L"From"},              {IDC_WORK_TO, L"to"},              {IDC_SHOW_KEY, L"Show the time now"},
        {IDC_SOUND, L"Sound at each automatic fade"}, {IDC_LANGUAGE, L"Language"}};
    for (const auto& [id, label] : fields) EXPECT_EQ(label, LabelOf(GetDlgItem(dialog, id))) << id;
    for (const int id : {IDC_INTERVAL, IDC_DURATION, IDC_OPACITY, IDC_TEXT_SIZE}) {
      EXPECT_EQ(LabelOf(GetDlgItem(dialog, id)) + L":", Ask(GetDlgItem(dialog, id)).name) << id;
    }
  }));
  SetResourceLanguage(kLanguages[LanguageChoiceOf(L"ja") - 1].id);
  EXPECT_TRUE(WorkInDialog(CmdOptions, [&](HWND dialog) {
    EXPECT_EQ(L"\u8a00\u8a9e", LabelOf(GetDlgItem(dialog, IDC_LANGUAGE)));  // without "(&G):"
  }));
}

TEST_F(AccessibilityTest, TheWebsiteIsALinkNamedByItsText) {
  EXPECT_TRUE(WorkInDialog(CmdAbout, [&](HWND dialog) {
    const Heard link = Ask(GetDlgItem(dialog, IDC_WEBSITE_LINK));
    EXPECT_EQ(L"http://www.quillane.example", link.name);
    EXPECT_EQ(ROLE_SYSTEM_LINK, link.role);
  }));
}

// In high contrast the swatch's border is the system's text on the system's window colour, and
// the link takes the system's link colour rather than the browser's.
TEST_F(AccessibilityTest, HighContrastKeepsTheSwatchesBorderAndTheLinkInTheSystemsColours) {
  SetHighContrastQuery(HighContrastForTest);
  for (const bool on : {false, true}) {
    highContrast = on;
    EXPECT_TRUE(WorkInDialog(CmdOptions, [&](HWND dialog) {
      const HWND swatch = GetDlgItem(dialog, IDC_OVERLAY_COLOR);
      EXPECT_EQ(GetSysColor(on ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW), ClientPixel(swatch, 0, 0)) << on;
      EXPECT_EQ(on ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 255), ClientPixel(swatch, 1, 1)) << on;
    }));
    EXPECT_TRUE(WorkInDialog(CmdAbout, [&](HWND dialog) {
      const HWND link = GetDlgItem(dialog, IDC_WEBSITE_LINK);
      EXPECT_EQ(on, Drawn(link, GetSysColor(COLOR_HOTLIGHT))) << on;
      EXPECT_EQ(!on, Drawn(link, RGB(0, 0, 255))) << on;
    }));
  }
}
