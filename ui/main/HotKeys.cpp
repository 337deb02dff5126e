#include "ui/main/HotKeys.h"

namespace {
RegisterHotKeyFunction registerHotKey = RegisterHotKey;
}  // namespace

RegisterHotKeyFunction SetRegisterHotKeyFunction(RegisterHotKeyFunction function) {
  const RegisterHotKeyFunction previous = registerHotKey;
  registerHotKey = function ? function : RegisterHotKey;
  return previous;
}

bool TakeShowKey(HWND window, const HotKey& key) {
  UnregisterHotKey(window, kShowKeyId);
  if (!key.IsSet()) return true;
  // Held down, the key would toggle the Fader at the keyboard's repeat rate.
  return registerHotKey(window, kShowKeyId, key.modifiers | MOD_NOREPEAT, key.key) != FALSE;
}
