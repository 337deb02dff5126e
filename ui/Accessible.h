#pragma once
// What a screen reader hears of a control the program draws itself: the name and the role given
// here; everything else (place, state, focus) the system's own object for the window tells.
#include <windows.h>

#include <string>

// The answer to WM_GETOBJECT for the control's client object; 0, the default answer, for any
// other object or where the accessibility DLL is missing.
LRESULT AnswerAccessible(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name, LONG role);

// The label a field is named by, as the system names fields: the text of the static right before
// it, without its mnemonic and the colon at its end; empty when there is none.
std::wstring LabelOf(HWND control);
