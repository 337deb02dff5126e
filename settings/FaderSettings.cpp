#include "settings/FaderSettings.h"

FaderSettings& FaderSettings::Instance() {
  static FaderSettings settings;
  return settings;
}
