#include "ui/fader/ShowBlock.h"

bool ShowBlocked(bool autoBlock, bool fullScreenForeground, int shellState) {
  if (!autoBlock) return false;
  return fullScreenForeground || shellState == kShellRunningD3dFullScreen ||
         shellState == kShellPresentationMode;
}
