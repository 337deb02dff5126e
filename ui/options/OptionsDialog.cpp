#include "ui/options/OptionsDialog.h"

#include <commctrl.h>

#include <string>

#include "app/Languages.h"
#include "app/Resources.h"
#include "res/resource.h"
#include "ui/options/KeyName.h"
#include "ui/options/CenterDialog.h"
#include "ui/options/OptionsIds.h"

namespace {

// The lists' entries, in the order of the values they stand for.
const UINT kShowOnChoices[] = {IDS_SHOW_ON_PRIMARY, IDS_SHOW_ON_ALL, IDS_SHOW_ON_POINTER};
const UINT kClockChoices[] = {IDS_CLOCK_24_HOUR, IDS_CLOCK_WINDOWS};
const UINT kSoundChoices[] = {IDS_SOUND_NONE, IDS_SOUND_CHIME, IDS_SOUND_SPEAK};

void AddToList(HWND dialog, int id, const std::wstring& choice) {
  SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
}

template <size_t N>
void FillList(HWND dialog, int id, const UINT (&choices)[N]) {
  for (const UINT choice : choices) AddToList(dialog, id, LoadText(choice));
}

// Following Windows, then each language by its own name.
void FillLanguages(HWND dialog) {
  AddToList(dialog, IDC_LANGUAGE, LoadText(IDS_LANGUAGE_WINDOWS));
  for (size_t i = 0; i < kLanguageCount; ++i) AddToList(dialog, IDC_LANGUAGE, kLanguages[i].name);
}

// The choice at the list's selection; the default when none is selected or it names no choice.
template <typename Choice, size_t N>
void ReadList(HWND dialog, int id, const UINT (&)[N], Choice& field) {
  const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
  field = index >= 0 && size_t(index) < N ? static_cast<Choice>(index) : Choice();
}

// The time pickers show the user's short time format, as the taskbar does.
void SetTimePicker(HWND dialog, int id, int minuteOfDay) {
  SYSTEMTIME time{2026, 1, 4, 1, WORD(minuteOfDay / 60), WORD(minuteOfDay % 60), 0, 0};
  SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

int ReadTimePicker(HWND dialog, int id, int fallback) {
  SYSTEMTIME time{};
  if (SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
    return fallback;
  }
  return time.wHour * 60 + time.wMinute;
}

// The hot-key control's modifier bits are not RegisterHotKey's.
WORD ToControl(const HotKey& key) {
  const BYTE flags = BYTE(((key.modifiers & MOD_SHIFT) ? HOTKEYF_SHIFT : 0) | ((key.modifiers & MOD_CONTROL) ? HOTKEYF_CONTROL : 0) |
                          ((key.modifiers & MOD_ALT) ? HOTKEYF_ALT : 0));
  return MAKEWORD(BYTE(key.key), flags);
}

HotKey FromControl(LRESULT value) {
  const BYTE flags = HIBYTE(LOWORD(value));
  const unsigned key = LOBYTE(LOWORD(value));
  if (key == 0) return {};
  return {unsigned(((flags & HOTKEYF_SHIFT) ? MOD_SHIFT : 0) | ((flags & HOTKEYF_CONTROL) ? MOD_CONTROL : 0) |
                   ((flags & HOTKEYF_ALT) ? MOD_ALT : 0)),
          key};
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
        case IDC_WORKING_HOURS:
          EnableWorkingHours();
          return TRUE;
        case IDC_SOUND:
          if (HIWORD(wParam) == CBN_SELCHANGE) ShowSoundChoice();
          return TRUE;
        case IDC_TRY_SOUND:
          OnTrySound();
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
  FillList(hwnd(), IDC_SOUND, kSoundChoices);
  FillLanguages(hwnd());
  // The week as the user's calendar starts it (0 is Monday there), each day by its short name.
  DWORD firstDay = 0;
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                  reinterpret_cast<LPWSTR>(&firstDay), sizeof(firstDay) / sizeof(wchar_t));
  for (unsigned position = 0; position < 7; ++position) {
    const unsigned fromMonday = (firstDay + position) % 7;
    dayAt_[position] = (fromMonday + 1) % 7;
    wchar_t name[32] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SABBREVDAYNAME1 + fromMonday, name, 32);
    SetDlgItemTextW(hwnd(), IDC_DAY_1 + int(position), name);
  }
  wchar_t picture[80] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTTIME, picture, 80) > 1) {
    for (int id : {IDC_WORK_FROM, IDC_WORK_TO}) {
      SendDlgItemMessageW(hwnd(), id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(picture));
    }
  }
  // A key without Ctrl or Alt would be taken from every program the user types in.
  SendDlgItemMessageW(hwnd(), IDC_SHOW_KEY, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
  ApplyToControls();
}

void OptionsDialog::EnableWorkingHours() {
  const BOOL on = IsDlgButtonChecked(hwnd(), IDC_WORKING_HOURS) == BST_CHECKED;
  for (int id = IDC_DAY_1; id < IDC_DAY_1 + 7; ++id) EnableWindow(GetDlgItem(hwnd(), id), on);
  EnableWindow(GetDlgItem(hwnd(), IDC_WORK_FROM), on);
  EnableWindow(GetDlgItem(hwnd(), IDC_WORK_TO), on);
}

// Try has nothing to play without a sound; the note says when the spoken time is the chime.
void OptionsDialog::ShowSoundChoice() {
  FaderSound sound = FaderSound::None;
  ReadList(hwnd(), IDC_SOUND, kSoundChoices, sound);
  EnableWindow(GetDlgItem(hwnd(), IDC_TRY_SOUND), sound != FaderSound::None);
  if (sound == FaderSound::Speak && voiceSpeaks_ < 0) voiceSpeaks_ = !voiceSpeaks || voiceSpeaks();
  ShowWindow(GetDlgItem(hwnd(), IDC_NO_VOICE), sound == FaderSound::Speak && voiceSpeaks_ == 0 ? SW_SHOWNA : SW_HIDE);
}

void OptionsDialog::OnTrySound() {
  FaderOptions trial = options;
  ReadList(hwnd(), IDC_SOUND, kSoundChoices, trial.sound);
  ReadList(hwnd(), IDC_CLOCK, kClockChoices, trial.clock);
  if (trySound) trySound(trial);
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
  const WorkingHours& hours = options.workingHours;
  CheckDlgButton(hwnd(), IDC_WORKING_HOURS, hours.on ? BST_CHECKED : BST_UNCHECKED);
  for (unsigned position = 0; position < 7; ++position) {
    CheckDlgButton(hwnd(), IDC_DAY_1 + int(position), (hours.days >> dayAt_[position] & 1) ? BST_CHECKED : BST_UNCHECKED);
  }
  SetTimePicker(hwnd(), IDC_WORK_FROM, hours.from);
  SetTimePicker(hwnd(), IDC_WORK_TO, hours.to);
  EnableWorkingHours();
  SendDlgItemMessageW(hwnd(), IDC_SHOW_KEY, HKM_SETHOTKEY, ToControl(options.showKey), 0);
  SendDlgItemMessageW(hwnd(), IDC_SOUND, CB_SETCURSEL, WPARAM(options.sound), 0);
  ShowSoundChoice();
  CheckDlgButton(hwnd(), IDC_SHOW_FADER, options.showFader ? BST_CHECKED : BST_UNCHECKED);
  SendDlgItemMessageW(hwnd(), IDC_LANGUAGE, CB_SETCURSEL, WPARAM(options.language), 0);
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
  WorkingHours& hours = options.workingHours;
  hours.on = IsDlgButtonChecked(hwnd(), IDC_WORKING_HOURS) == BST_CHECKED;
  hours.days = 0;
  for (unsigned position = 0; position < 7; ++position) {
    if (IsDlgButtonChecked(hwnd(), IDC_DAY_1 + int(position)) == BST_CHECKED) hours.days |= 1u << dayAt_[position];
  }
  hours.from = ReadTimePicker(hwnd(), IDC_WORK_FROM, hours.from);
  hours.to = ReadTimePicker(hwnd(), IDC_WORK_TO, hours.to);
  options.showKey = FromControl(SendDlgItemMessageW(hwnd(), IDC_SHOW_KEY, HKM_GETHOTKEY, 0, 0));
  ReadList(hwnd(), IDC_SOUND, kSoundChoices, options.sound);
  options.showFader = IsDlgButtonChecked(hwnd(), IDC_SHOW_FADER) == BST_CHECKED;
  const LRESULT language = SendDlgItemMessageW(hwnd(), IDC_LANGUAGE, CB_GETCURSEL, 0, 0);
  options.language = language > 0 && size_t(language) <= kLanguageCount ? int(language) : 0;
}

// Neither seen nor heard, an automatic fade would do nothing at all.
bool OptionsDialog::RefuseNothingAtAll() {
  if (options.showFader || options.sound != FaderSound::None) return false;
  MessageBoxW(hwnd(), LoadText(IDS_NOTHING_AT_ALL).c_str(), L"Dusklamp", MB_OK | MB_ICONWARNING);
  SetFocus(GetDlgItem(hwnd(), IDC_SHOW_FADER));
  return true;
}

void OptionsDialog::OnResetToDefaults() {
  options = FaderOptions();
  ApplyToControls();
}

void OptionsDialog::OnCloseCommand(UINT id) {
  if (id == IDOK) {
    for (NumericField* field : {&interval_, &duration_, &opacity_, &textSize_}) field->Validate();
    ReadFromControls();
    if (RefuseNothingAtAll()) return;
    if (takeShowKey && !takeShowKey(options.showKey)) {
      const std::wstring message = FillBlanks(LoadText(IDS_KEY_IN_USE), {HotKeyName(options.showKey)});
      MessageBoxW(hwnd(), message.c_str(), L"Dusklamp", MB_OK | MB_ICONWARNING);
      SetFocus(GetDlgItem(hwnd(), IDC_SHOW_KEY));
      return;
    }
  }
  EndDialog(hwnd(), INT_PTR(id));
}
