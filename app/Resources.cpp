#include "app/Resources.h"

#include <vector>

#include "app/Languages.h"
#include "app/Module.h"

namespace {

LANGID resourceLanguage = EnglishLanguage().id;

// Windows' languages for its user interface, best first.
std::vector<std::wstring> PreferredLanguages() {
  ULONG count = 0, size = 0;
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
  std::vector<wchar_t> names(size);
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) return {};
  std::vector<std::wstring> languages;
  for (const wchar_t* name = names.data(); *name; name += languages.back().size() + 1) languages.push_back(name);
  return languages;
}

const void* Find(const wchar_t* type, UINT id) {
  const HMODULE module = ResourceModule();
  HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), resourceLanguage);
  if (!found) found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), EnglishLanguage().id);
  return found ? LockResource(LoadResource(module, found)) : nullptr;
}

}  // namespace

void UseLanguage(int choice) { resourceLanguage = ChooseLanguage(choice, PreferredLanguages()).id; }
void SetResourceLanguage(LANGID language) { resourceLanguage = language; }
LANGID ResourceLanguage() { return resourceLanguage; }

HMENU LoadLanguageMenu(UINT id) {
  const void* menu = Find(RT_MENU, id);
  return menu ? LoadMenuIndirectW(menu) : nullptr;
}

const DLGTEMPLATE* LanguageDialog(UINT id) { return static_cast<const DLGTEMPLATE*>(Find(RT_DIALOG, id)); }

// The string table keeps texts in blocks of 16, each a count of characters and then them.
std::wstring LoadText(UINT id) {
  const auto* entry = static_cast<const WORD*>(Find(RT_STRING, id / 16 + 1));
  if (!entry) return L"";
  for (UINT skip = id % 16; skip > 0; --skip) entry += 1 + *entry;
  return std::wstring(reinterpret_cast<const wchar_t*>(entry + 1), *entry);
}
