// libFuzzer target: the settings loader as the program runs it (a file parsed with encoding
// detection, then read into the record), and the text parsers, on arbitrary bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/Languages.h"
#include "app/PathText.h"
#include "settings/ColorText.h"
#include "settings/IntegerText.h"
#include "settings/SettingsDocument.h"
#include "settings/Utf.h"
#include "ui/about/RegistryColorText.h"
#include "ui/about/VersionText.h"
#include "ui/options/NumericText.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void LoadSettings(const uint8_t* data, size_t size) {
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return;
  XmlDocument document;
  const bool parsed = document.Load(file) == XmlLoad::Parsed;
  std::fclose(file);
  FaderSettings settings;
  if (!parsed || !ReadSettingsDocument(document, settings)) return;
  Require(settings.autoFadeInterval == kIntervalBounds.Clamp(settings.autoFadeInterval));
  Require(settings.fadeDuration == kDurationBounds.Clamp(settings.fadeDuration));
  Require(settings.maxOpacity == kOpacityBounds.Clamp(settings.maxOpacity));
  Require(settings.textSize == kTextSizeBounds.Clamp(settings.textSize));
  Require(settings.overlayColor.value >> 24 == 0xFF && settings.textColor.value >> 24 == 0xFF);
  // Whatever was read writes back a file that reads back the same.
  XmlDocument written;
  WriteSettingsDocument(settings, written);
  FaderSettings again;
  Require(ReadSettingsDocument(written, again));
  Require(again.autoFadeInterval == settings.autoFadeInterval && again.textSize == settings.textSize &&
          again.overlayColor == settings.overlayColor && again.autoBlock == settings.autoBlock &&
          again.hideFromCapture == settings.hideFromCapture);
}

void ParseTexts(const uint8_t* data, size_t size) {
  const std::wstring text = Utf8ToWide(std::string(reinterpret_cast<const char*>(data), size));
  Require(ParseColorText(text).value >> 24 == 0xFF);
  ParseLeadingInt(text);
  FormatVersionText(text, L"Version %1.%2.%3  (Build %4)");
  FillBlanks(text, {L"%1", L"15:30"});  // a translation's pattern
  if (const auto color = ParseRegistryColor(text)) Require(*color <= 0xFFFFFF);
  const NumericRange range{1, 60};
  if (const auto corrected = CorrectedFieldValue(text, range, 15)) {
    Require(*corrected >= 1 && *corrected <= 60);
  }
  path_text::FolderOf(path_text::Tidy(text));
  path_text::FillPlaceholders(text, L"Quillane", L"Dusklamp");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadSettings(data, size);
  ParseTexts(data, size);
  return 0;
}
