#include "ui/fader/TimeFont.h"

#include <cwchar>

#include "settings/FaderSettings.h"
#include "ui/fader/Geometry.h"

namespace {

FontHandle& CachedFont() {
  static FontHandle font;  // deleted at process exit
  return font;
}

}  // namespace

bool IsWindowsXpOrLater() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1));
}

HFONT GetTimeFont(int textSize, UINT dpi) {
  const int height = int(ScaleForDpi(kTextSizeBounds.Clamp(textSize), dpi));
  FontHandle& cache = CachedFont();
  if (cache) {
    LOGFONTW cached{};
    if (GetObjectW(cache.Get(), sizeof(cached), &cached) && cached.lfHeight == height) {
      return cache.Get();
    }
    if (!cache.Reset()) return cache.Get();  // could not delete it: keep using it
  }
  cache = CreateTimeFont(height);
  return cache.Get();
}

FontHandle CreateTimeFont(int pixelHeight) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  wcsncpy(font.lfFaceName, L"Arial", LF_FACESIZE - 1);
  font.lfHeight = pixelHeight;
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  if (IsWindowsXpOrLater()) font.lfQuality = ANTIALIASED_QUALITY;
  return FontHandle(CreateFontIndirectW(&font));
}
