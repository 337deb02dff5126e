#pragma once
#include <cstdint>

#include "settings/ArgbColor.h"

// Inclusive limits of an integer option.
struct Bounds {
  int min;
  int max;
  // Below the minimum gives the minimum, above the maximum the maximum.
  constexpr int Clamp(int value) const { return value < min ? min : value > max ? max : value; }
};

constexpr Bounds kIntervalBounds{1, 60};
constexpr Bounds kDurationBounds{1, 300};
constexpr Bounds kOpacityBounds{1, 100};
constexpr Bounds kTextSizeBounds{10, 900};

// Where the Fader shows.
enum class FaderMonitors { Primary, All, Pointer };  // Pointer: the monitor with the mouse pointer
// How the time reads: always "14:30", or in the user's own short time format ("2:30 PM").
enum class ClockStyle { TwentyFourHour, Windows };
// What is heard at each automatic fade.
enum class FaderSound { None, Chime, Speak };  // Speak: the time as the Fader shows it

// When automatic fades may come: every day all day, or on the chosen days between two times.
struct WorkingHours {
  bool on = false;
  unsigned days = 0x3E;  // a bit a day of the week, Sunday the lowest, as Windows counts: Monday to Friday
  int from = 9 * 60;     // minutes of the day
  int to = 18 * 60;      // before `from`, the range crosses midnight; equal, it is the whole day
  friend bool operator==(const WorkingHours& a, const WorkingHours& b) {
    return a.on == b.on && a.days == b.days && a.from == b.from && a.to == b.to;
  }
};

// A key that works anywhere in Windows: RegisterHotKey's modifiers (MOD_ALT 1, MOD_CONTROL 2,
// MOD_SHIFT 4) and virtual-key code; no key is 0.
struct HotKey {
  unsigned modifiers = 0;
  unsigned key = 0;
  bool IsSet() const { return key != 0; }
  friend bool operator==(const HotKey& a, const HotKey& b) { return a.modifiers == b.modifiers && a.key == b.key; }
  friend bool operator!=(const HotKey& a, const HotKey& b) { return !(a == b); }
};

// The options the user edits; the Options dialog works on a copy of this block.
struct FaderOptions {
  int autoFadeInterval = 15;  // minutes
  int fadeDuration = 20;      // seconds for fade in, hold and fade out together
  int maxOpacity = 70;        // percent
  ArgbColor overlayColor = ArgbColor::FromRgb(0, 0, 255);
  ArgbColor textColor = ArgbColor::FromRgb(255, 255, 255);
  int textSize = 250;  // pixels
  bool autoBlock = true;  // no fade while a full-screen program is in the foreground
  bool hideFromCapture = true;  // screen sharing and recordings leave the Fader out
  FaderMonitors showOn = FaderMonitors::Primary;
  ClockStyle clock = ClockStyle::TwentyFourHour;
  WorkingHours workingHours;
  HotKey showKey;  // shows or hides the Fader
  FaderSound sound = FaderSound::None;
  bool showFader = true;  // off, an automatic fade is only heard
  int language = 0;       // 0 follows Windows, else 1 + its index in kLanguages (app/Languages.h)
};

// What the last load found in place of Settings.xml.
enum class SettingsFileState {
  Absent,
  Accepted,
  Rejected,    // read, but damaged or of another kind: kept as Settings.xml.bak at the next save
  Unreadable,  // there, but could not be opened or read: the user's settings may be in it
};

// The user's options plus the first-run flag; one record per process, kept in Settings.xml.
struct FaderSettings : FaderOptions {
  bool debut = true;
  uint64_t pausedUntil = 0;  // UTC, 100 ns ticks since 1601, as Windows counts: no pause is 0
  SettingsFileState fileState = SettingsFileState::Absent;

  static FaderSettings& Instance();

  // Read and write Settings.xml in the data folder; false when nothing was read or written.
  bool Load();
  bool Save();
  // A save the user did not ask for (at exit, and when a pause begins or ends): it leaves a file
  // that could not be read at start-up as it is.
  bool SaveUnasked();
};
