#pragma once
// Control ids of the About dialog.
#define IDC_VERSION_TEXT 1126
#define IDC_WEBSITE_LINK 1127
