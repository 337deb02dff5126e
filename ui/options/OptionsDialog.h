#pragma once
// The Options dialog: edits a copy of the options; the caller applies it after OK.
#include <functional>

#include "settings/FaderSettings.h"
#include "ui/Dialog.h"
#include "ui/options/ColorButton.h"
#include "ui/options/NumericField.h"

class OptionsDialog : public Dialog {
 public:
  // The dialog announces its window in `slot` while it is open.
  explicit OptionsDialog(HWND& slot);

  // The working copy: filled by the caller before the dialog runs, read back after OK.
  FaderOptions options;
  // Asked at OK whether the key to show the time can be had: it takes the key, or answers false
  // when another program or Windows holds it, and the dialog stays open saying so.
  std::function<bool(const HotKey&)> takeShowKey;
  // Plays the sound the options choose, now; and whether the user's voice speaks, asked once
  // "Speak the time" is chosen (without a voice, the dialog says the chime plays instead).
  std::function<void(const FaderOptions&)> trySound;
  std::function<bool()> voiceSpeaks;

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInitDialog();
  void ApplyToControls();
  void ReadFromControls();
  void OnResetToDefaults();
  void OnCloseCommand(UINT id);
  void EnableWorkingHours();
  void ShowSoundChoice();
  void OnTrySound();
  bool RefuseNothingAtAll();

  HWND& slot_;
  ColorButton overlayColor_;
  ColorButton textColor_;
  NumericField interval_;
  NumericField duration_;
  NumericField opacity_;
  NumericField textSize_;
  unsigned dayAt_[7] = {};  // the day of the week (0 Sunday) of each day box, in the user's order
  int voiceSpeaks_ = -1;    // not asked yet
};
