#pragma once
// The menu, the dialogs and the texts in the language Dusklamp speaks, chosen once at start.
#include <windows.h>

#include <string>

// Speaks the language of the user's choice (see app/Languages.h), following Windows' preferred
// UI languages when the choice is to follow Windows.
void UseLanguage(int choice);
void SetResourceLanguage(LANGID language);
LANGID ResourceLanguage();

// In that language, else in English; null or empty when the program has no such resource.
HMENU LoadLanguageMenu(UINT id);
const DLGTEMPLATE* LanguageDialog(UINT id);
std::wstring LoadText(UINT id);
