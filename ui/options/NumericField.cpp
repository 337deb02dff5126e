#include "ui/options/NumericField.h"

#include <cwchar>

void NumericField::SetValue(int value) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%d", ClampFieldValue(value, Range()));
  SetWindowTextW(control(), text);
}

int NumericField::GetValue() const { return ParseFieldValue(Text()); }

void NumericField::Validate() {
  if (const auto corrected = CorrectedFieldValue(Text(), Range(), defaultValue)) {
    SetValue(*corrected);
  }
}

void NumericField::StepUp() {
  if (const auto next = StepUpValue(GetValue(), Range())) SetValue(*next);
}

void NumericField::StepDown() {
  if (const auto next = StepDownValue(GetValue(), Range())) SetValue(*next);
}

std::wstring NumericField::Text() const {
  std::wstring text(size_t(GetWindowTextLengthW(control())) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(control(), text.data(), int(text.size()))));
  return text;
}

void NumericField::SelectAll() {
  SendMessageW(control(), EM_SETSEL, 0, -1);
  SendMessageW(control(), EM_SCROLLCARET, 0, 0);
}

std::wstring NumericField::Candidate(const std::wstring& insert) const {
  DWORD start = 0, end = 0;
  SendMessageW(control(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return SpliceText(Text(), start, end, insert);
}

bool NumericField::ClipboardText(std::wstring& text) const {
  if (!OpenClipboard(nullptr)) return false;
  bool found = false;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
        // The data may lack its terminator: read no further than the block.
        const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
        text.assign(locked, wcsnlen(locked, capacity));
        GlobalUnlock(data);
        found = true;
      }
    }
  }
  CloseClipboard();
  return found;
}

LRESULT NumericField::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        wParam == VK_UP ? StepUp() : StepDown();
        SelectAll();
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? StepUp() : StepDown();
      SelectAll();
      return 0;
    case WM_CHAR: {
      const auto c = wchar_t(wParam);
      if (c >= 0x20 && c != 0x7F && !IsAcceptableText(Candidate(std::wstring(1, c)))) return 0;
      break;
    }
    case WM_PASTE: {
      std::wstring pasted;
      if (!ClipboardText(pasted) || !IsAcceptableText(Candidate(pasted))) return 0;
      break;
    }
    case WM_KILLFOCUS:
      Validate();
      break;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}
