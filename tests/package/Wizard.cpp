// Drives the installer's and uninstaller's pages for the package tests' shell script, as a user
// would with the mouse, and reports what a page shows:
//   wizard wait TEXT      waits until a page shows a control reading TEXT (& marks ignored)
//   wizard click TEXT     clicks the button or check box reading TEXT once it is enabled
//   wizard checked TEXT   succeeds when the check box reading TEXT is ticked
//   wizard whole TEXT     succeeds when the control reading TEXT is wide enough for its text
//   wizard rect           prints the wizard's screen rectangle as WxH+X+Y
// Each waits up to 20 seconds for its control and ends with 1 when it is not there.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Plain(const wchar_t* text) {
  std::wstring plain;
  for (; *text; ++text) {
    if (*text != L'&') plain += *text;
  }
  return plain;
}

std::wstring TextOf(HWND control) {
  wchar_t text[512] = L"";
  GetWindowTextW(control, text, 512);
  return Plain(text);
}

// The installer's own dialog: a visible top-level dialog of the installer's title.
BOOL CALLBACK MatchWizard(HWND window, LPARAM found) {
  wchar_t title[256] = L"";
  wchar_t kind[32] = L"";
  GetWindowTextW(window, title, 256);
  GetClassNameW(window, kind, 32);
  if (!IsWindowVisible(window) || std::wstring(kind) != L"#32770") return TRUE;
  if (std::wstring(title).rfind(L"Dusklamp ", 0) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

struct Search {
  std::wstring text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM search) {
  auto* wanted = reinterpret_cast<Search*>(search);
  if (!IsWindowVisible(control) || TextOf(control) != wanted->text) return TRUE;
  wanted->found = control;
  return FALSE;
}

HWND Wizard() {
  HWND found = nullptr;
  EnumWindows(MatchWizard, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND WaitFor(const wchar_t* text) {
  Search search{Plain(text)};
  for (int i = 0; i < 200; ++i) {
    if (HWND wizard = Wizard()) {
      EnumChildWindows(wizard, MatchControl, reinterpret_cast<LPARAM>(&search));
      if (search.found && IsWindowEnabled(search.found)) return search.found;
    }
    Sleep(100);
  }
  std::fwprintf(stderr, L"nothing reads \"%ls\"\n", text);
  return nullptr;
}

// The text's width in the dialog's font (the message font) plus room for a check box.
bool Whole(HWND control) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  const HDC dc = GetDC(nullptr);
  const HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  const HGDIOBJ old = SelectObject(dc, font);
  const std::wstring text = TextOf(control);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  RECT rect{};
  GetClientRect(control, &rect);
  const int needed = size.cx + GetSystemMetrics(SM_CXMENUCHECK) + 8;
  std::printf("%ld of %d pixels\n", rect.right, needed);
  return rect.right >= needed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"rect") {
    RECT rect{};
    for (int i = 0; i < 200 && !Wizard(); ++i) Sleep(100);
    if (!GetWindowRect(Wizard(), &rect)) return 1;
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    return 0;
  }
  if (argc != 3) return 2;
  const HWND control = WaitFor(argv[2]);
  if (!control) return 1;
  if (command == L"wait") return 0;
  // Posted: a click may open a page that runs its own message loop until it is left.
  if (command == L"click") return PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  if (command == L"checked") return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1;
  if (command == L"whole") return Whole(control) ? 0 : 1;
  return 2;
}
