#pragma once
// The Options dialog: edits a copy of the options; the caller applies it after OK.
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

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInitDialog();
  void ApplyToControls();
  void ReadFromControls();
  void OnResetToDefaults();
  void OnCloseCommand(UINT id);

  HWND& slot_;
  ColorButton overlayColor_;
  ColorButton textColor_;
  NumericField interval_;
  NumericField duration_;
  NumericField opacity_;
  NumericField textSize_;
};
