#include "ui/main/TimerIds.h"

namespace {
UINT nextTimerId = 500600;
}

UINT TakeTimerId() { return nextTimerId++; }
