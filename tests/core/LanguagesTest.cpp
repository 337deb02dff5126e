#include <gtest/gtest.h>

#include "app/Languages.h"
#include "ui/options/ColorName.h"

namespace {
std::wstring Chosen(const std::vector<std::wstring>& preferred, int choice = 0) {
  return ChooseLanguage(choice, preferred).tag;
}
}  // namespace

TEST(Languages, WindowsPreferredLanguagesAreTriedInTurnThenEnglish) {
  EXPECT_EQ(L"de", Chosen({L"de-DE", L"en-US"}));
  EXPECT_EQ(L"de", Chosen({L"de-AT"}));  // another country's German
  EXPECT_EQ(L"fr", Chosen({L"eu-ES", L"fr-CA", L"es-ES"}));  // Basque is not ours: the next one
  EXPECT_EQ(L"en", Chosen({L"eu-ES", L"ga-IE"}));
  EXPECT_EQ(L"en", Chosen({}));
  EXPECT_EQ(L"pt-BR", Chosen({L"pt-PT"}));
  EXPECT_EQ(L"zh-CN", Chosen({L"zh-Hans-SG"}));
  EXPECT_EQ(L"zh-CN", Chosen({L"ZH-cn"}));
  EXPECT_EQ(L"ja", Chosen({L"zh-TW", L"zh-Hant-HK", L"ja-JP"}));  // Traditional does not read Simplified
  EXPECT_EQ(L"en", Chosen({L"en-GB", L"de-DE"}));
}

TEST(Languages, AChosenLanguageWinsAndAnUnknownChoiceFollowsWindows) {
  EXPECT_EQ(L"ja", Chosen({L"de-DE"}, LanguageChoiceOf(L"ja")));
  EXPECT_EQ(L"de", Chosen({L"de-DE"}, 99));
  EXPECT_EQ(L"windows", LanguageWord(0));
  EXPECT_EQ(L"windows", LanguageWord(int(kLanguageCount) + 1));
  EXPECT_EQ(0, LanguageChoiceOf(L"windows"));
  EXPECT_EQ(0x0409, EnglishLanguage().id);
}

TEST(Languages, BlanksAreFilledInTheTranslationsOrder) {
  EXPECT_EQ(L"Dusklamp - paused until 15:30", FillBlanks(L"Dusklamp - paused until %1", {L"15:30"}));
  EXPECT_EQ(L"Dusklamp - 09:00 Montag", FillBlanks(L"Dusklamp - %2 %1", {L"Montag", L"09:00"}));
  EXPECT_EQ(L"100% %3 %", FillBlanks(L"100% %3 %", {L"a"}));  // no argument for it: it stays
  EXPECT_EQ(L"%2 and b", FillBlanks(L"%1 and %2", {L"%2", L"b"}));  // an argument is not refilled
}

// A swatch's colour in the word a screen reader says: the defaults, the primaries, dark and pale.
TEST(Languages, ColoursAreNamedByHueAndLightness) {
  const struct {
    ArgbColor color;
    ColorWord word;
  } cases[] = {
      {ArgbColor::FromRgb(0, 0, 255), ColorWord::Blue},     {ArgbColor::FromRgb(255, 255, 255), ColorWord::White},
      {ArgbColor::FromRgb(30, 10, 10), ColorWord::Black},   {ArgbColor::FromRgb(128, 128, 128), ColorWord::Gray},
      {ArgbColor::FromRgb(255, 0, 20), ColorWord::Red},     {ArgbColor::FromRgb(139, 69, 19), ColorWord::Brown},
      {ArgbColor::FromRgb(255, 140, 0), ColorWord::Orange}, {ArgbColor::FromRgb(0, 128, 0), ColorWord::Green},
      {ArgbColor::FromRgb(128, 0, 128), ColorWord::Purple}, {ArgbColor::FromRgb(255, 105, 180), ColorWord::Pink},
  };
  for (const auto& c : cases) EXPECT_EQ(int(c.word), int(NameColor(c.color))) << std::hex << c.color.value;
}
