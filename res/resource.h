#pragma once
// Resource and command ids shared by the resource script and the code.

#define RES_ICON_MAIN 128
#define RES_ICON_AUTO_FADE_ON 207
#define RES_ICON_AUTO_FADE_OFF 212
#define RES_MENU_TRAY 206
#define RES_DIALOG_OPTIONS 9
#define RES_DIALOG_ABOUT 210
#define RES_CURSOR_EYEDROPPER 211

#define CMD_AUTO_FADE 32821
#define CMD_HIDE_FADER 32823
#define CMD_TOGGLE_SHOW 32825
#define CMD_SHOW_FADER 32826
#define CMD_WEBSITE 32829
#define CMD_OPTIONS 32831
#define CMD_ABOUT 57664
#define CMD_EXIT 57665
