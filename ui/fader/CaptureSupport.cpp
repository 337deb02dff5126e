#include "ui/fader/CaptureSupport.h"

bool SupportsCaptureExclusion(unsigned major, unsigned minor, unsigned build) {
  if (major != 10) return major > 10;
  return minor > 0 || build >= 19041;
}
