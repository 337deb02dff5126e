#include "ui/main/DialogSlots.h"

HWND optionsDialogWindow = nullptr;
HWND aboutDialogWindow = nullptr;
