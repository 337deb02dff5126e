#include "app/Module.h"

namespace {
HINSTANCE resourceModule = nullptr;
}

HINSTANCE ResourceModule() { return resourceModule ? resourceModule : GetModuleHandleW(nullptr); }
void SetResourceModule(HINSTANCE module) { resourceModule = module; }
