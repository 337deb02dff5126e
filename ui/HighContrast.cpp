#include "ui/HighContrast.h"

namespace {

bool SystemHighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrastQuery query = SystemHighContrast;

}  // namespace

bool HighContrastOn() { return query(); }

HighContrastQuery SetHighContrastQuery(HighContrastQuery replacement) {
  const HighContrastQuery previous = query;
  query = replacement ? replacement : SystemHighContrast;
  return previous;
}
