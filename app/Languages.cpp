#include "app/Languages.h"

#include <cwctype>

const Language kLanguages[] = {
    {L"cs", L"\u010ce\u0161tina", 0x0405},
    {L"de", L"Deutsch", 0x0407},
    {L"en", L"English", 0x0409},
    {L"es", L"Espa\u00f1ol", 0x0C0A},
    {L"fr", L"Fran\u00e7ais", 0x040C},
    {L"it", L"Italiano", 0x0410},
    {L"nl", L"Nederlands", 0x0413},
    {L"pl", L"Polski", 0x0415},
    {L"pt-BR", L"Portugu\u00eas (Brasil)", 0x0416},
    {L"tr", L"T\u00fcrk\u00e7e", 0x041F},
    {L"ru", L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439", 0x0419},
    {L"uk", L"\u0423\u043a\u0440\u0430\u0457\u043d\u0441\u044c\u043a\u0430", 0x0422},
    {L"ko", L"\ud55c\uad6d\uc5b4", 0x0412},
    {L"ja", L"\u65e5\u672c\u8a9e", 0x0411},
    {L"zh-CN", L"\u7b80\u4f53\u4e2d\u6587", 0x0804},
};
const size_t kLanguageCount = sizeof(kLanguages) / sizeof(kLanguages[0]);

namespace {

const wchar_t kFollowWindows[] = L"windows";

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = wchar_t(std::towlower(c));
  return text;
}

std::wstring Primary(const std::wstring& tag) { return tag.substr(0, tag.find(L'-')); }

bool IsTraditionalChinese(const std::wstring& tag) {
  for (const wchar_t* mark : {L"-hant", L"-tw", L"-hk", L"-mo"}) {
    if (tag.find(mark) != std::wstring::npos) return true;
  }
  return false;
}

// Ours for that preferred language: the same tag, else the same language in another country.
const Language* Speaking(const std::wstring& preferred) {
  const std::wstring tag = Lower(preferred);
  for (size_t i = 0; i < kLanguageCount; ++i) {
    if (Lower(kLanguages[i].tag) == tag) return &kLanguages[i];
  }
  if (Primary(tag) == L"zh" && IsTraditionalChinese(tag)) return nullptr;
  for (size_t i = 0; i < kLanguageCount; ++i) {
    if (Lower(Primary(kLanguages[i].tag)) == Primary(tag)) return &kLanguages[i];
  }
  return nullptr;
}

}  // namespace

const Language& EnglishLanguage() { return kLanguages[2]; }

int LanguageChoiceOf(const std::wstring& word) {
  for (size_t i = 0; i < kLanguageCount; ++i) {
    if (word == kLanguages[i].tag) return int(i) + 1;
  }
  return 0;
}

std::wstring LanguageWord(int choice) {
  return choice > 0 && size_t(choice) <= kLanguageCount ? kLanguages[choice - 1].tag : kFollowWindows;
}

const Language& ChooseLanguage(int choice, const std::vector<std::wstring>& preferred) {
  if (choice > 0 && size_t(choice) <= kLanguageCount) return kLanguages[choice - 1];
  for (const std::wstring& tag : preferred) {
    if (const Language* language = Speaking(tag)) return *language;
  }
  return EnglishLanguage();
}

std::wstring FillBlanks(const std::wstring& pattern, const std::vector<std::wstring>& arguments) {
  std::wstring text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t index = i + 1 < pattern.size() && pattern[i] == L'%' && pattern[i + 1] >= L'1' && pattern[i + 1] <= L'9'
                             ? size_t(pattern[i + 1] - L'1')
                             : arguments.size();
    if (index < arguments.size()) {
      text += arguments[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
