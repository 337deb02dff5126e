#include "ui/about/HyperlinkLabel.h"

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>
#include <windowsx.h>

#include "ui/Accessible.h"
#include "ui/HighContrast.h"
#include "ui/about/RegistryColorText.h"

namespace {

bool ShellOpen(const wchar_t* target) {
  return reinterpret_cast<INT_PTR>(
             ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

HyperlinkLabel::OpenFunction opener = ShellOpen;

// A colour value of at most 11 characters plus terminator, as a string, that parses.
void ReadColor(HKEY key, const wchar_t* name, COLORREF& color) {
  wchar_t text[12] = {};
  DWORD type = 0;
  DWORD size = sizeof(text);
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS) {
    return;
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return;
  const size_t units = size / sizeof(wchar_t);
  if (units == 0 || text[units - 1] != L'\0') return;
  if (const auto parsed = ParseRegistryColor(text)) color = *parsed;
}

}  // namespace

HyperlinkLabel::OpenFunction HyperlinkLabel::SetOpener(OpenFunction replacement) {
  const OpenFunction previous = opener;
  opener = replacement ? replacement : ShellOpen;
  return previous;
}

HyperlinkLabel::~HyperlinkLabel() {
  if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool HyperlinkLabel::Attach(HWND control) {
  if (!SubclassedControl::Attach(control)) return false;
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  if (lstrcmpiW(className, L"static") == 0) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    SetWindowLongW(control, GWL_STYLE, style | SS_NOTIFY);
    const LONG type = style & SS_TYPEMASK;
    if ((type >= SS_ICON && type <= SS_WHITEFRAME) || type == SS_OWNERDRAW ||
        type == SS_BITMAP || type == SS_ENHMETAFILE) {
      isText_ = false;
    }
  }
  handCursor_ = LoadCursorW(nullptr, IDC_HAND);
  if (isText_) UseFont(reinterpret_cast<HFONT>(SendMessageW(GetParent(control), WM_GETFONT, 0, 0)));
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                             control, nullptr, nullptr, nullptr);
  if (!hasLabel_) {
    std::wstring text(size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    label_ = text;
    hasLabel_ = true;
  }
  ComputeLabelRect();
  if (!target_.empty()) {
    RegisterTool();
  } else if (!label_.empty()) {
    SetTarget(label_);
  }
  if (isText_) ReadBrowserColors();
  return true;
}

bool HyperlinkLabel::SetTarget(const std::wstring& target) {
  target_ = target;
  if (!hasLabel_ && control()) ComputeLabelRect();
  RegisterTool();
  return true;
}

void HyperlinkLabel::SetLabel(const std::wstring& label) {
  label_ = label;
  hasLabel_ = true;
  if (!control()) return;
  ComputeLabelRect();
  SetWindowTextW(control(), label_.c_str());
}

// The label's font and the underlined link font made from it.
void HyperlinkLabel::UseFont(HFONT font) {
  normalFont_ = font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  LOGFONTW description{};
  GetObjectW(normalFont_, sizeof(description), &description);
  description.lfUnderline = TRUE;
  linkFont_.Reset(CreateFontIndirectW(&description));
}

void HyperlinkLabel::RegisterTool() {
  if (!tooltip_ || !IsWindow(tooltip_)) return;
  SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = control();
  tool.uId = 1;
  tool.rect = labelRect_;
  tool.lpszText = const_cast<wchar_t*>(target_.c_str());
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HyperlinkLabel::ReadBrowserColors() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Internet Explorer\\Settings", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return;
  }
  ReadColor(key, L"Anchor Color", linkColor_);
  ReadColor(key, L"Anchor Color Visited", visitedColor_);
  RegCloseKey(key);
}

UINT HyperlinkLabel::Alignment() const {
  const LONG type = GetWindowLongW(control(), GWL_STYLE) & SS_TYPEMASK;
  return type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
}

void HyperlinkLabel::ComputeLabelRect() {
  RECT client;
  GetClientRect(control(), &client);
  RECT measured = client;
  const WindowDc dc(control());
  {
    const SelectionScope font(dc.Get(), linkFont_ ? linkFont_.Get() : normalFont_);
    DrawTextW(dc.Get(), label_.c_str(), -1, &measured, DT_CALCRECT | DT_WORDBREAK | Alignment());
  }
  const LONG free = (client.right - client.left) - (measured.right - measured.left);
  const UINT alignment = Alignment();
  if (alignment == DT_CENTER) OffsetRect(&measured, free / 2, 0);
  if (alignment == DT_RIGHT) OffsetRect(&measured, free, 0);
  labelRect_ = measured;
}

void HyperlinkLabel::Paint(HDC dc) {
  RECT client;
  GetClientRect(control(), &client);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(control()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control())));
  if (brush) FillRect(dc, &client, brush);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, !IsWindowEnabled(control()) ? GetSysColor(COLOR_GRAYTEXT)
                   : HighContrastOn()          ? GetSysColor(COLOR_HOTLIGHT)
                   : visited_                  ? visitedColor_
                                               : linkColor_);
  const bool plain = !linkFont_ || (underlineOnHover && !hovering_);
  const SelectionScope font(dc, plain ? normalFont_ : linkFont_.Get());
  // Drawn into the whole client area with the static's alignment, which puts it exactly on
  // labelRect without clipping its last pixels when measuring and drawing round differently.
  DrawTextW(dc, label_.c_str(), -1, &client, DT_WORDBREAK | Alignment());
  if (GetFocus() == control()) DrawFocusRect(dc, &labelRect_);
}

void HyperlinkLabel::SetHovering(bool hovering) {
  if (!underlineOnHover || hovering_ == hovering) return;
  hovering_ = hovering;
  InvalidateRect(control(), &labelRect_, TRUE);
  UpdateWindow(control());
  if (hovering) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = control();
    _TrackMouseEvent(&track);
  }
}

bool HyperlinkLabel::InLabel(POINT point) const { return PtInRect(&labelRect_, point) != FALSE; }

void HyperlinkLabel::Activate() {
  if (target_.empty() || !opener(target_.c_str())) return;
  visited_ = true;
  InvalidateRect(control(), nullptr, TRUE);
}

LRESULT HyperlinkLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && !noTooltip && tooltip_ &&
      IsWindow(tooltip_)) {
    MSG relayed{control(), message, wParam, lParam, DWORD(GetMessageTime()), {}};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_GETOBJECT: {  // a link, named by its text
      const LRESULT answer = AnswerAccessible(control(), wParam, lParam, label_, ROLE_SYSTEM_LINK);
      if (answer) return answer;
      break;
    }
    case WM_MOUSEMOVE:
      if (InLabel(point) && !target_.empty()) {
        SetCursor(handCursor_);
        SetHovering(true);
        return 0;
      }
      SetHovering(false);
      break;
    case WM_MOUSELEAVE:
      SetHovering(false);
      return 0;
    case WM_SETCURSOR: {
      POINT cursor;
      GetCursorPos(&cursor);
      ScreenToClient(control(), &cursor);
      if (InLabel(cursor) && !target_.empty()) {
        SetCursor(handCursor_);
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
      if (InLabel(point)) {
        SetFocus(control());
        SetCapture(control());
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == control()) {
        ReleaseCapture();
        if (InLabel(point)) Activate();
      }
      return 0;
    case WM_GETDLGCODE:
      if (lParam && (reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN)) {
        return DLGC_WANTCHARS | DLGC_WANTMESSAGE;
      }
      return DLGC_WANTCHARS;
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == L' ') {
        Activate();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(control(), nullptr, TRUE);
      break;
    case WM_ENABLE:
      InvalidateRect(control(), nullptr, TRUE);
      UpdateWindow(control());
      break;
    case WM_SIZE:
      ComputeLabelRect();
      InvalidateRect(control(), nullptr, TRUE);
      break;
    case WM_SETFONT:
      if (!isText_) break;
      // The link font, the text's rectangle and the tooltip's area all follow the new font.
      UseFont(reinterpret_cast<HFONT>(wParam));
      ComputeLabelRect();
      RegisterTool();
      if (LOWORD(lParam)) {
        InvalidateRect(control(), nullptr, TRUE);
        UpdateWindow(control());
      }
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(normalFont_);
    case WM_UPDATEUISTATE:
      return 0;
    case WM_ERASEBKGND:
      if (isText_) return 1;
      break;
    case WM_PAINT:
      if (isText_) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(control(), &paint);
        Paint(dc);
        EndPaint(control(), &paint);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (isText_) {
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
      }
      break;
    case WM_DESTROY:
      if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
      tooltip_ = nullptr;
      break;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}
