#include "ui/options/OptionsDialog.h"

#include <commctrl.h>

#include "res/resource.h"
#include "ui/options/CenterDialog.h"
#include "ui/options/OptionsIds.h"

namespace {

// The lists' entries, in the order of the values they stand for.
const wchar_t* const kShowOnChoices[] = {L"Primary monitor", L"All monitors",
                                         L"The monitor with the mouse pointer"};
const wchar_t* const kClockChoices[] = {L"24-hour (14:30)", L"As Windows shows the time"};

template <size_t N>
void FillList(HWND dialog, int id, const wchar_t* const (&choices)[N]) {
  for (const wchar_t* choice : choices) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
  }
}

// The choice at the list's selection; the default when none is selected or it names no choice.
template <typename Choice, size_t N>
void ReadList(HWND dialog, int id, const wchar_t* const (&)[N], Choice& field) {
  const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  field = index >= 0 && size_t(index) < N ? static_cast<Choice>(index) : Choice();
}

}  // namespace

OptionsDialog::OptionsDialog(HWND& slot) : Dialog(RES_DIALOG_OPTIONS), slot_(slot) {}

INT_PTR OptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;  // the focus goes to the first tab stop, OK
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_RESET_DEFAULTS:
          OnResetToDefaults();
          return TRUE;
        case IDOK:
        case IDCANCEL:
          OnCloseCommand(LOWORD(wParam));
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DESTROY:
      slot_ = nullptr;  // however it closes: the slot never names a dead window
      return FALSE;
    default:
      return FALSE;
  }
}

void OptionsDialog::OnInitDialog() {
  CenterDialog(hwnd(), GetParent(hwnd()));
  slot_ = hwnd();
  overlayColor_.Attach(GetDlgItem(hwnd(), IDC_OVERLAY_COLOR));
  textColor_.Attach(GetDlgItem(hwnd(), IDC_TEXT_COLOR));
  struct Pair {
    NumericField& field;
    int edit;
    int spin;
    Bounds bounds;
    int defaultValue;
  } pairs[] = {
      {interval_, IDC_INTERVAL, IDC_INTERVAL_SPIN, kIntervalBounds, FaderOptions().autoFadeInterval},
      {duration_, IDC_DURATION, IDC_DURATION_SPIN, kDurationBounds, FaderOptions().fadeDuration},
      {opacity_, IDC_OPACITY, IDC_OPACITY_SPIN, kOpacityBounds, FaderOptions().maxOpacity},
      {textSize_, IDC_TEXT_SIZE, IDC_TEXT_SIZE_SPIN, kTextSizeBounds, FaderOptions().textSize},
  };
  for (Pair& pair : pairs) {
    pair.field.Attach(GetDlgItem(hwnd(), pair.edit));
    pair.field.minValue = pair.bounds.min;
    pair.field.maxValue = pair.bounds.max;
    pair.field.defaultValue = pair.defaultValue;
    SendDlgItemMessageW(hwnd(), pair.spin, UDM_SETRANGE, 0,
                        MAKELPARAM(pair.bounds.max, pair.bounds.min));
  }
  FillList(hwnd(), IDC_SHOW_ON, kShowOnChoices);
  FillList(hwnd(), IDC_CLOCK, kClockChoices);
  ApplyToControls();
}

void OptionsDialog::ApplyToControls() {
  interval_.SetValue(kIntervalBounds.Clamp(options.autoFadeInterval));
  duration_.SetValue(kDurationBounds.Clamp(options.fadeDuration));
  opacity_.SetValue(kOpacityBounds.Clamp(options.maxOpacity));
  overlayColor_.SetColor(options.overlayColor);
  textColor_.SetColor(options.textColor);
  textSize_.SetValue(kTextSizeBounds.Clamp(options.textSize));
  CheckDlgButton(hwnd(), IDC_AUTO_BLOCK, options.autoBlock ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd(), IDC_HIDE_FROM_CAPTURE, options.hideFromCapture ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessageW(hwnd(), IDC_SHOW_ON, CB_SETCURSEL, WPARAM(options.showOn), 0);
  SendDlgItemMessageW(hwnd(), IDC_CLOCK, CB_SETCURSEL, WPARAM(options.clock), 0);
}

void OptionsDialog::ReadFromControls() {
  options.autoFadeInterval = interval_.GetValue();
  options.fadeDuration = duration_.GetValue();
  options.maxOpacity = opacity_.GetValue();
  options.overlayColor = overlayColor_.GetColor();
  options.textColor = textColor_.GetColor();
  options.textSize = textSize_.GetValue();
  options.autoBlock = IsDlgButtonChecked(hwnd(), IDC_AUTO_BLOCK) == BST_CHECKED;
  options.hideFromCapture = IsDlgButtonChecked(hwnd(), IDC_HIDE_FROM_CAPTURE) == BST_CHECKED;
  ReadList(hwnd(), IDC_SHOW_ON, kShowOnChoices, options.showOn);
  ReadList(hwnd(), IDC_CLOCK, kClockChoices, options.clock);
}

void OptionsDialog::OnResetToDefaults() {
  options = FaderOptions();
  ApplyToControls();
}

void OptionsDialog::OnCloseCommand(UINT id) {
  if (id == IDOK) {
    for (NumericField* field : {&interval_, &duration_, &opacity_, &textSize_}) field->Validate();
    ReadFromControls();
  }
  EndDialog(hwnd(), INT_PTR(id));
}
