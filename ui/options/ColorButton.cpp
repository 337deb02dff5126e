#include "ui/options/ColorButton.h"

#include <commdlg.h>
#include <oleacc.h>
#include <windowsx.h>

#include "app/Languages.h"
#include "app/Module.h"
#include "app/Resources.h"
#include "res/resource.h"
#include "settings/ColorText.h"
#include "ui/Accessible.h"
#include "ui/Handles.h"
#include "ui/HighContrast.h"
#include "ui/options/ColorName.h"

namespace {

// Shared by every swatch until the program ends, so custom colours are offered again.
COLORREF customColors[16] = {
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
bool cursorPending = true;

HCURSOR EyedropperCursor() {
  static const HCURSOR cursor = LoadCursorW(ResourceModule(), MAKEINTRESOURCEW(RES_CURSOR_EYEDROPPER));
  return cursor;
}

void Frame(HDC dc, const RECT& rect, COLORREF color) {
  const BrushHandle brush(CreateSolidBrush(color));
  FrameRect(dc, &rect, brush.Get());
}

}  // namespace

bool ColorButton::Attach(HWND control) {
  if (!SubclassedControl::Attach(control)) return false;
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const LONG wanted = (style & ~SS_TYPEMASK) | SS_OWNERDRAW | SS_NOTIFY;
  if (style != wanted) SetWindowLongW(control, GWL_STYLE, wanted);
  return true;
}

void ColorButton::SetColor(ArgbColor color) {
  color_ = color;
  InvalidateRect(control(), nullptr, TRUE);
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control(), OBJID_CLIENT, CHILDID_SELF);
}

// "Overlay color, blue, #0000FF": what it sets, and its colour in words and as the file writes it.
std::wstring ColorButton::AccessibleName() const {
  return FillBlanks(LoadText(IDS_SWATCH_NAME), {LabelOf(control()), LoadText(IDS_COLOR_BLACK + UINT(NameColor(color_))),
                                                FormatColorText(color_)});
}

void ColorButton::DrawSwatch(HDC dc) const {
  RECT rect;
  GetClientRect(control(), &rect);
  // In high contrast, the border is the system's text on the system's window colour.
  const bool contrast = HighContrastOn();
  Frame(dc, rect, GetSysColor(contrast ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW));
  InflateRect(&rect, -1, -1);
  Frame(dc, rect, contrast ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 255));
  InflateRect(&rect, -1, -1);
  const COLORREF previous = SetBkColor(dc, color_.ToColorRef());
  if (previous != CLR_INVALID) {
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, L"", 0, nullptr);
    SetBkColor(dc, previous);
  }
}

// Drawn off screen first, so the swatch never flickers while the eyedropper moves.
void ColorButton::Paint(HDC target, const RECT& area) {
  const LONG width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  MemoryDc memory(CreateCompatibleDC(target));
  BitmapHandle bitmap(CreateCompatibleBitmap(target, width, height));
  {
    const SelectionScope selected(memory.Get(), bitmap.Get());
    SetViewportOrgEx(memory.Get(), -area.left, -area.top, nullptr);
    DrawSwatch(memory.Get());
    SetViewportOrgEx(memory.Get(), 0, 0, nullptr);
    BitBlt(target, area.left, area.top, width, height, memory.Get(), 0, 0, SRCCOPY);
  }
}

void ColorButton::OnPaint(HDC given) {
  if (given) {
    RECT client;
    GetClientRect(control(), &client);
    Paint(given, client);
    return;
  }
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(control(), &paint);
  Paint(dc, paint.rcPaint);
  EndPaint(control(), &paint);
}

LRESULT ColorButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETOBJECT: {
      const LRESULT answer = AnswerAccessible(control(), wParam, lParam, AccessibleName(), ROLE_SYSTEM_PUSHBUTTON);
      if (answer) return answer;
      break;
    }
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return 0;
    case WM_LBUTTONDOWN:
      // The keys go to the swatch while it holds the mouse, so that Esc can cancel a drag.
      colorBeforeDrag_ = color_;
      dragCancelled_ = false;
      focusBeforeDrag_ = SetFocus(control());
      SetCapture(control());
      break;
    case WM_GETDLGCODE:
      if (GetCapture() == control()) return DLGC_WANTALLKEYS;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE && GetCapture() == control()) {
        CancelDrag();
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (GetCapture() == control()) {
        OnDrag(lParam);
      } else {
        cursorPending = true;
      }
      break;
    case WM_LBUTTONUP:
      OnRelease(lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      OnPaint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      break;
  }
  return CallPrevious(message, wParam, lParam);
}

void ColorButton::OnDrag(LPARAM lParam) {
  if (cursorPending) {
    SetCursor(EyedropperCursor());
    cursorPending = false;
  }
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(control(), &point);
  if (const auto picked = PickColor(point)) SetColor(*picked);
}

// The user picked the wrong pixel: the swatch gets back the colour it had before the press.
void ColorButton::CancelDrag() {
  dragCancelled_ = true;
  EndDrag();
  SetColor(colorBeforeDrag_);
  Changed(colorBeforeDrag_);
}

void ColorButton::EndDrag() {
  if (GetCapture() == control()) ReleaseCapture();
  if (focusBeforeDrag_ && IsWindow(focusBeforeDrag_)) SetFocus(focusBeforeDrag_);
  focusBeforeDrag_ = nullptr;
}

void ColorButton::OnRelease(LPARAM lParam) {
  EndDrag();
  if (dragCancelled_) return;
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client;
  GetClientRect(control(), &client);
  ArgbColor chosen = color_;
  if (PtInRect(&client, point) && PickColor(chosen)) SetColor(chosen);
}

std::optional<ArgbColor> ColorButton::PickColor(POINT screenPoint) {
  const WindowDc screen(nullptr, true);
  const COLORREF pixel = GetPixel(screen.Get(), screenPoint.x, screenPoint.y);
  if (pixel == CLR_INVALID) return std::nullopt;  // off the screen: not white
  const ArgbColor color = ArgbColor::FromColorRef(pixel);
  Changed(color);
  return color;
}

bool ColorButton::PickColor(ArgbColor& chosen) {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = GetParent(control());
  choose.lpCustColors = customColors;
  choose.Flags = CC_FULLOPEN;
  if (const COLORREF initial = color_.ToColorRef()) {
    choose.Flags |= CC_RGBINIT;
    choose.rgbResult = initial;
  }
  if (!ChooseColorW(&choose)) return false;
  chosen = ArgbColor::FromColorRef(choose.rgbResult);
  Changed(chosen);
  return true;
}

void ColorButton::Changed(ArgbColor color) {
  PostMessageW(GetParent(control()), WM_COLORBUTTON_CHANGED, reinterpret_cast<WPARAM>(control()),
               LPARAM(color.ToColorRef()));
}
