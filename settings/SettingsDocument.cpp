#include "settings/SettingsDocument.h"

#include "app/Languages.h"
#include "settings/ColorText.h"
#include "settings/TimeText.h"

const wchar_t kSettingsNamespace[] = L"http://www.quillane.example/dusklamp/xmlns/settings";

namespace {

const wchar_t kRoot[] = L"DusklampSettings";
const wchar_t kVersion[] = L"1.0";

void ReadInt(const XmlElement& element, const wchar_t* name, Bounds bounds, int& field) {
  if (const auto value = element.GetInt(name)) field = bounds.Clamp(*value);
}

void ReadBool(const XmlElement& element, const wchar_t* name, bool& field) {
  if (const auto value = element.GetInt(name)) field = *value != 0;
}

// A present colour attribute always replaces the colour, with black for malformed text.
void ReadColor(const XmlElement& element, const wchar_t* name, ArgbColor& field) {
  if (const auto text = element.Get(name)) field = ParseColorText(*text);
}

// A word from the list gives its value; any other text leaves the default.
template <typename Value, size_t N>
void ReadWord(const XmlElement& element, const wchar_t* name, const Value (&values)[N],
              const wchar_t* const (&words)[N], Value& field) {
  const auto text = element.Get(name);
  if (!text) return;
  for (size_t i = 0; i < N; ++i) {
    if (*text == words[i]) field = values[i];
  }
}

const FaderMonitors kMonitorValues[] = {FaderMonitors::Primary, FaderMonitors::All,
                                        FaderMonitors::Pointer};
const wchar_t* const kMonitorWords[] = {L"primary", L"all", L"pointer"};
const ClockStyle kClockValues[] = {ClockStyle::TwentyFourHour, ClockStyle::Windows};
const wchar_t* const kClockWords[] = {L"24_hour", L"windows"};
const FaderSound kSoundValues[] = {FaderSound::None, FaderSound::Chime, FaderSound::Speak};
const wchar_t* const kSoundWords[] = {L"none", L"chime", L"speak"};

template <typename Value, size_t N>
const wchar_t* WordFor(Value value, const Value (&values)[N], const wchar_t* const (&words)[N]) {
  for (size_t i = 0; i < N; ++i) {
    if (values[i] == value) return words[i];
  }
  return words[0];
}

// A present attribute whose text reads replaces the value; any other leaves the default.
template <typename Value, typename Parse>
void ReadText(const XmlElement& element, const wchar_t* name, Parse parse, Value& field) {
  if (const auto text = element.Get(name)) {
    if (const auto value = parse(*text)) field = *value;
  }
}

void ReadApplication(const XmlElement& element, FaderSettings& settings) {
  ReadBool(element, L"debut", settings.debut);
}

// The end of a pause, which is no pause when it does not read.
void ReadPause(const XmlElement& element, FaderSettings& settings) {
  const auto until = element.Get(L"until");
  const auto end = until ? ParseUtc(*until) : std::nullopt;
  settings.pausedUntil = end ? *end : 0;
}

void ReadFader(const XmlElement& element, FaderSettings& settings) {
  ReadInt(element, L"auto_fade_interval", kIntervalBounds, settings.autoFadeInterval);
  ReadInt(element, L"fade_duration", kDurationBounds, settings.fadeDuration);
  ReadInt(element, L"max_opacity", kOpacityBounds, settings.maxOpacity);
  ReadColor(element, L"overlay_color", settings.overlayColor);
  ReadColor(element, L"text_color", settings.textColor);
  ReadInt(element, L"text_size", kTextSizeBounds, settings.textSize);
  ReadBool(element, L"auto_block", settings.autoBlock);
  ReadBool(element, L"hide_from_capture", settings.hideFromCapture);
  ReadWord(element, L"show_on", kMonitorValues, kMonitorWords, settings.showOn);
  ReadWord(element, L"clock", kClockValues, kClockWords, settings.clock);
  ReadBool(element, L"working_hours", settings.workingHours.on);
  if (const auto days = element.Get(L"work_days")) settings.workingHours.days = ParseDays(*days);
  ReadText(element, L"work_from", ParseTimeOfDay, settings.workingHours.from);
  ReadText(element, L"work_to", ParseTimeOfDay, settings.workingHours.to);
  ReadText(element, L"show_key", ParseHotKey, settings.showKey);
  ReadWord(element, L"sound", kSoundValues, kSoundWords, settings.sound);
  ReadBool(element, L"show_fader", settings.showFader);
  if (const auto language = element.Get(L"language")) settings.language = LanguageChoiceOf(*language);
  // Neither seen nor heard, a fade would do nothing at all: a file edited so is shown.
  if (settings.sound == FaderSound::None) settings.showFader = true;
}

// Reads every element of the group with the wanted name, in document order.
template <typename Reader>
void ReadGroup(const XmlElement& root, const wchar_t* group, const wchar_t* name,
               FaderSettings& settings, Reader read) {
  for (XmlElement element = root.FirstInGroup(group); element; element = element.NextSibling()) {
    if (element.Name() == name) read(element, settings);
  }
}

}  // namespace

void WriteSettingsDocument(const FaderSettings& settings, XmlDocument& document) {
  XmlElement root = document.CreateRoot(kRoot);
  root.Set(L"version", kVersion);
  root.Set(L"xmlns", kSettingsNamespace);
  XmlElement states = root.Append(L"States");
  states.Append(L"Application").Set(L"debut", 0);
  if (settings.pausedUntil != 0) states.Append(L"Pause").Set(L"until", FormatUtc(settings.pausedUntil));
  XmlElement fader = root.Append(L"Options").Append(L"Fader");
  fader.Set(L"auto_fade_interval", settings.autoFadeInterval);
  fader.Set(L"fade_duration", settings.fadeDuration);
  fader.Set(L"max_opacity", settings.maxOpacity);
  fader.Set(L"overlay_color", FormatColorText(settings.overlayColor));
  fader.Set(L"text_color", FormatColorText(settings.textColor));
  fader.Set(L"text_size", settings.textSize);
  fader.Set(L"auto_block", settings.autoBlock ? 1 : 0);
  fader.Set(L"hide_from_capture", settings.hideFromCapture ? 1 : 0);
  fader.Set(L"show_on", WordFor(settings.showOn, kMonitorValues, kMonitorWords));
  fader.Set(L"clock", WordFor(settings.clock, kClockValues, kClockWords));
  fader.Set(L"working_hours", settings.workingHours.on ? 1 : 0);
  fader.Set(L"work_days", FormatDays(settings.workingHours.days));
  fader.Set(L"work_from", FormatTimeOfDay(settings.workingHours.from));
  fader.Set(L"work_to", FormatTimeOfDay(settings.workingHours.to));
  fader.Set(L"show_key", FormatHotKey(settings.showKey));
  fader.Set(L"sound", WordFor(settings.sound, kSoundValues, kSoundWords));
  fader.Set(L"show_fader", settings.showFader ? 1 : 0);
  fader.Set(L"language", LanguageWord(settings.language));
}

bool ReadSettingsDocument(const XmlDocument& document, FaderSettings& settings) {
  const XmlElement root = document.Root();
  if (!root || root.Name() != kRoot) return false;
  if (root.Get(L"version") != std::wstring(kVersion)) return false;
  if (root.Get(L"xmlns") != std::wstring(kSettingsNamespace)) return false;
  ReadGroup(root, L"States", L"Application", settings, ReadApplication);
  ReadGroup(root, L"States", L"Pause", settings, ReadPause);
  ReadGroup(root, L"Options", L"Fader", settings, ReadFader);
  return true;
}
