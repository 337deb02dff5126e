#pragma once

// Names both the single-instance mutex and the main window's class, so that a second copy finds
// the first by it. Never change it: old and new versions must see each other.
constexpr wchar_t kLockName[] = L"QLDK-MainWin-{6B1E8A3C-4F2D-4C57-9E0B-7A3D5C2E9F14}";
