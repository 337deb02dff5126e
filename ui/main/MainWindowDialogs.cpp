// Opening the Options and About dialogs from the main window, and applying the outcome.
#include "settings/FaderSettings.h"
#include "ui/about/AboutDialog.h"
#include "ui/main/DialogSlots.h"
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
  const int oldInterval = settings.autoFadeInterval;
  if (dialog.DoModal(GetActiveWindow()) != IDOK) return;
  static_cast<FaderOptions&>(settings) = dialog.options;
  settings.Save();
  if (settings.autoFadeInterval != oldInterval && autoFadeOn_) StartAutoFade();
}

void MainWindow::ShowAboutDialog() {
  if (aboutDialogWindow && IsWindow(aboutDialogWindow)) {
    SetForegroundWindow(aboutDialogWindow);
    return;
  }
  AboutDialog dialog(aboutDialogWindow);
  dialog.DoModal(GetActiveWindow());
}
