#include "ui/options/KeyName.h"

#include <windows.h>

namespace {

std::wstring NameOfKey(unsigned virtualKey) {
  LONG scanCode = LONG(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  // The arrows and the block above them share scan codes with the number pad.
  if ((virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT || virtualKey == VK_DELETE) {
    scanCode |= 1 << 24;
  }
  wchar_t name[64] = {};
  if (GetKeyNameTextW(scanCode, name, 64) > 0) return name;
  return std::to_wstring(virtualKey);
}

}  // namespace

std::wstring HotKeyName(const HotKey& key) {
  std::wstring name;
  if (key.modifiers & MOD_CONTROL) name += NameOfKey(VK_CONTROL) + L"+";
  if (key.modifiers & MOD_ALT) name += NameOfKey(VK_MENU) + L"+";
  if (key.modifiers & MOD_SHIFT) name += NameOfKey(VK_SHIFT) + L"+";
  return name + NameOfKey(key.key);
}
