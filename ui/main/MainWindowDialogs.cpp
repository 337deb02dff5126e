// Opening the Options and About dialogs from the main window, and applying the outcome.
#include "settings/FaderSettings.h"
#include "ui/about/AboutDialog.h"
#include "ui/fader/FadeSound.h"
#include "ui/main/DialogSlots.h"
#include "ui/main/Foreground.h"
#include "ui/main/HotKeys.h"
#include "ui/main/MainWindow.h"
#include "ui/options/OptionsDialog.h"

void MainWindow::ShowOptionsDialog() {
  if (optionsDialogWindow && IsWindow(optionsDialogWindow)) {
    SetForegroundWindow(optionsDialogWindow);
    return;
  }
  FaderSettings& settings = FaderSettings::Instance();
  OptionsDialog dialog(optionsDialogWindow);
  dialog.options = settings;
  dialog.takeShowKey = [&](const HotKey& key) {
    if (TakeShowKey(hwnd(), key)) return true;
    TakeShowKey(hwnd(), settings.showKey);  // the key it had, if it still can
    return false;
  };
  dialog.trySound = PlayFadeSound;
  dialog.voiceSpeaks = VoiceSpeaks;
  const int oldInterval = settings.autoFadeInterval;
  if (RunOwnedDialog(dialog) != IDOK) return;
  static_cast<FaderOptions&>(settings) = dialog.options;
  settings.Save();
  if (settings.autoFadeInterval != oldInterval && schedule_.On()) StartAutoFade();
  UpdateTip();
}

void MainWindow::ShowAboutDialog() {
  if (aboutDialogWindow && IsWindow(aboutDialogWindow)) {
    SetForegroundWindow(aboutDialogWindow);
    return;
  }
  AboutDialog dialog(aboutDialogWindow);
  RunOwnedDialog(dialog);
}

// Owned by the main window, so it has no taskbar button. Closing it activates the owner, which
// may be the shown Fader: the foreground goes back to where the user was.
INT_PTR MainWindow::RunOwnedDialog(Dialog& dialog) {
  const HWND previous = WindowUserWorksIn(hwnd());
  const INT_PTR result = dialog.DoModal(hwnd());
  ReturnForeground(hwnd(), previous);
  return result;
}
