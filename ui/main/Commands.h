#pragma once
// Command, icon and menu ids of the main window and its tray icon.
#include <windows.h>

#include "res/resource.h"

constexpr UINT CmdToggleShow = CMD_TOGGLE_SHOW;
constexpr UINT CmdShowFader = CMD_SHOW_FADER;
constexpr UINT CmdHideFader = CMD_HIDE_FADER;
constexpr UINT CmdAutoFade = CMD_AUTO_FADE;
constexpr UINT CmdOptions = CMD_OPTIONS;
constexpr UINT CmdPause30Minutes = CMD_PAUSE_30_MINUTES;
constexpr UINT CmdPause1Hour = CMD_PAUSE_1_HOUR;
constexpr UINT CmdPause2Hours = CMD_PAUSE_2_HOURS;
constexpr UINT CmdPauseUntilTomorrow = CMD_PAUSE_UNTIL_TOMORROW;
constexpr UINT CmdWebsite = CMD_WEBSITE;
constexpr UINT CmdAbout = CMD_ABOUT;
constexpr UINT CmdExit = CMD_EXIT;

constexpr UINT IconMain = RES_ICON_MAIN;
constexpr UINT IconAutoFadeOn = RES_ICON_AUTO_FADE_ON;
constexpr UINT IconAutoFadeOff = RES_ICON_AUTO_FADE_OFF;
constexpr UINT MenuTray = RES_MENU_TRAY;  // also the tray icon's id
