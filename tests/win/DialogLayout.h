#pragma once
// What every dialog of the program keeps in every language and at every scale.
#include <windows.h>

// It fits a 1366 by 768 screen beside its taskbar at 100 percent and a 1920 by 1080 one at 150;
// every control is inside it and none over another but a spin over its field; each text fits
// its control, each list's longest entry its list.
void ExpectTidy(HWND dialog);
