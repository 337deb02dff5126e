#pragma once
// The languages Dusklamp speaks, which of them it speaks to this user, and texts with blanks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Language {
  const wchar_t* tag;   // as Windows names a language: "de", "pt-BR"
  const wchar_t* name;  // in the language itself, as the Options dialog offers it
  uint16_t id;          // the LANGID its resources carry
};

// As Windows lists languages by their own names; English among them.
extern const Language kLanguages[];
extern const size_t kLanguageCount;
const Language& EnglishLanguage();

// The user's choice: 0 follows Windows, any other is 1 + the language's index. The settings
// file keeps it as "windows" or the tag; any other word follows Windows.
int LanguageChoiceOf(const std::wstring& word);
std::wstring LanguageWord(int choice);

// The language to speak: the chosen one, or the first of Windows' preferred UI languages (best
// first, such as "de-AT", "zh-Hans-CN") that Dusklamp speaks, else English. Portuguese reads
// Brazilian; Chinese in Traditional script does not read Simplified.
const Language& ChooseLanguage(int choice, const std::vector<std::wstring>& preferred);

// The pattern with %1 to %9 replaced by the arguments, in any order; a blank without its
// argument stays, and a filled-in argument is not searched again.
std::wstring FillBlanks(const std::wstring& pattern, const std::vector<std::wstring>& arguments);
