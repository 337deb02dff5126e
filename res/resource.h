#pragma once
// Resource and command ids shared by the resource script and the code.

#define RES_ICON_MAIN 128
#define RES_ICON_AUTO_FADE_ON 207
#define RES_ICON_AUTO_FADE_OFF 212
#define RES_MENU_TRAY 206
#define RES_DIALOG_OPTIONS 9
#define RES_DIALOG_ABOUT 210
#define RES_CURSOR_EYEDROPPER 211
#define RES_SOUND_CHIME 213

#define CMD_AUTO_FADE 32821
#define CMD_HIDE_FADER 32823
#define CMD_TOGGLE_SHOW 32825
#define CMD_SHOW_FADER 32826
#define CMD_WEBSITE 32829
#define CMD_OPTIONS 32831
#define CMD_PAUSE_30_MINUTES 32840
#define CMD_PAUSE_1_HOUR 32841
#define CMD_PAUSE_2_HOURS 32842
#define CMD_PAUSE_UNTIL_TOMORROW 32843
#define CMD_ABOUT 57664
#define CMD_EXIT 57665

// Texts, in blocks of 16 as the string table keeps them: one block for the lists, one for the rest.
#define IDS_SHOW_ON_PRIMARY 1
#define IDS_SHOW_ON_ALL 2
#define IDS_SHOW_ON_POINTER 3
#define IDS_CLOCK_24_HOUR 4
#define IDS_CLOCK_WINDOWS 5
#define IDS_SOUND_NONE 6
#define IDS_SOUND_CHIME 7
#define IDS_SOUND_SPEAK 8
#define IDS_LANGUAGE_WINDOWS 9
#define IDS_NOTHING_AT_ALL 16
#define IDS_KEY_IN_USE 17
#define IDS_PAUSED_TIP 18
#define IDS_RESUME_TIP 19
#define IDS_VERSION 20
// A colour swatch's name for screen readers, and its colour words in ColorWord's order.
#define IDS_SWATCH_NAME 32
#define IDS_COLOR_BLACK 33
