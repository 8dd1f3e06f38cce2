#include "app/main_window.h"

#include "app/commands.h"
#include "app/skin_activation.h"
#include "app/startup.h"
#include "draw/gdi_handles.h"
#include "shortlink/request_wait.h"
#include "skin/core/canvas.h"
#include "skin/core/offscreen_image.h"

namespace app {
namespace {

constexpr COLORREF labelTextColour = RGB(255, 255, 255);
constexpr COLORREF labelShadowColour = RGB(40, 60, 90);
constexpr BOOL eraseFirst = TRUE;

// A label keeps the font it was given in its user data, for WM_GETFONT.
HFONT labelFont(HWND label) {
  return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

bool isTransparentLabel(HWND label) { return GetWindowLongPtrA(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT; }

void drawLabelText(HWND label, HDC dc, RECT area) {
  // DrawTextA would convert with the font's character set, not the process code page.
  wchar_t text[256];
  const int length = GetWindowTextW(label, text, 256);
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (isTransparentLabel(label) ? DT_LEFT : DT_CENTER);
  const draw::ScopedSelectObject font(dc, labelFont(label) ? labelFont(label) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  // Light text with a soft shadow reads on the dark and the light parts of the picture.
  RECT shadow = area;
  constexpr int shadowOffset = 1;
  OffsetRect(&shadow, shadowOffset, shadowOffset);
  SetTextColor(dc, labelShadowColour);
  DrawTextW(dc, text, length, &shadow, format);
  SetTextColor(dc, labelTextColour);
  DrawTextW(dc, text, length, &area, format);
}

// The transparent label draws only its text over what the window painted beneath it
// (it overlaps the input box). The contact label's class has no background brush and
// the window clips its children, so it lays the window's background under its text
// itself; otherwise whatever the screen held there shows through, black after a restore.
void paintLabel(HWND label) {
  const draw::PaintDC paint = draw::PaintDC::begin(label);
  RECT area;
  GetClientRect(label, &area);
  if (isTransparentLabel(label)) {
    drawLabelText(label, paint.get(), area);
    return;
  }
  skin::OffscreenImage image;
  if (!image.resize(area.right, area.bottom)) return;
  if (!skin::copyControlBackground(label, area, image.dc())) FillRect(image.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
  drawLabelText(label, image.dc(), area);
  BitBlt(paint.get(), 0, 0, area.right, area.bottom, image.dc(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, eraseFirst);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(labelFont(label));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, eraseFirst);
      return result;
    }
    case WM_PAINT:
      paintLabel(label);
      return 0;
    case WM_NCHITTEST:
      // The transparent label lies partly under the input box: let clicks through.
      if (GetWindowLongPtrA(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT) return HTTRANSPARENT;
      break;
    case WM_LBUTTONUP:
      SendMessageA(GetParent(label), WM_COMMAND,
                   MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED), reinterpret_cast<LPARAM>(label));
      return 0;
  }
  return DefWindowProcA(label, message, wParam, lParam);
}

// Posted by a close made while a request runs, to destroy the window once the click
// that started the request has returned.
constexpr UINT closeAfterRequestMessage = WM_APP + 17;

void onUnitClicked(int unitId) {
  // A click handled while a request waits starts nothing: its handler would run inside
  // the first one's wait.
  if (shortlink::requestInProgress()) return;
  for (const UnitDescription& unit : mainWindowUnits)
    if (unit.id == unitId && unit.onClicked) unit.onClicked();
}

// Closing ends a running request at once; the window goes when the handler that waits
// for it has returned, so that nothing on its way back meets a destroyed window.
LRESULT onMainWindowClose(HWND window) {
  if (!shortlink::requestInProgress()) return DefWindowProcA(window, WM_CLOSE, 0, 0);
  shortlink::cancelRequestInProgress();
  PostMessageA(window, closeAfterRequestMessage, 0, 0);
  return 0;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == BN_CLICKED) onUnitClicked(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      return onMainWindowClose(window);
    case closeAfterRequestMessage:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (window == mainWindow().window) {
        mainWindow() = MainWindow{};
        PostQuitMessage(0);
      }
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool registerClasses(HINSTANCE instance) {
  WNDCLASSEXA mainClass{sizeof mainClass};
  mainClass.style = CS_DBLCLKS;
  mainClass.lpfnWndProc = mainWindowProc;
  mainClass.hInstance = instance;
  mainClass.hIcon = LoadIconA(instance, "DEFAULT_ICON");
  mainClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  mainClass.lpszClassName = mainWindowClassName;

  WNDCLASSEXA labelClass{sizeof labelClass};
  labelClass.lpfnWndProc = labelProc;
  labelClass.hInstance = instance;
  labelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  labelClass.lpszClassName = labelClassName;  // no background brush: it draws only its text

  WNDCLASSEXA existing;
  const bool mainKnown = GetClassInfoExA(instance, mainWindowClassName, &existing);
  const bool labelKnown = GetClassInfoExA(instance, labelClassName, &existing);
  return (mainKnown || RegisterClassExA(&mainClass)) && (labelKnown || RegisterClassExA(&labelClass));
}

struct UnitStyle {
  const char* className;
  DWORD style;
  DWORD extendedStyle;
};

UnitStyle unitStyle(UnitKind kind) {
  constexpr DWORD child = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case UnitKind::label:
      return {labelClassName, child, 0};
    case UnitKind::transparentLabel:
      return {labelClassName, child, WS_EX_TRANSPARENT};
    case UnitKind::pushButton:
      return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
    case UnitKind::singleLineEdit:
      return {"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case UnitKind::multiLineEdit:
      return {"EDIT", child | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
  }
  return {};
}

}  // namespace

MainWindow& mainWindow() {
  static MainWindow theWindow;
  return theWindow;
}

POINT centredOrigin(int screenWidth, int screenHeight) {
  return {(screenWidth - mainWindowWidth) / 2, (screenHeight - mainWindowHeight) / 2};
}

HWND createMainWindow(HINSTANCE instance) {
  if (!registerClasses(instance)) return nullptr;
  const POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  // Borderless, no system caption or menu: the skin draws the whole frame itself.
  HWND window = CreateWindowExA(WS_EX_APPWINDOW, mainWindowClassName, mainWindowCaption,
                                WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN, origin.x, origin.y,
                                mainWindowWidth, mainWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;

  MainWindow& form = mainWindow();
  form = MainWindow{};
  form.window = window;
  HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  for (const UnitDescription& unit : mainWindowUnits) {
    const UnitStyle style = unitStyle(unit.kind);
    HWND handle = CreateWindowExA(style.extendedStyle, style.className, unit.text, style.style, unit.left,
                                  unit.top, unit.width, unit.height, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(unit.id)), instance, nullptr);
    constexpr LPARAM withoutRedraw = FALSE;
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont), withoutRedraw);
    form.*unit.handle = handle;
  }
  onMainWindowCreated();
  return window;
}

void onMainWindowCreated() {
  activateMainWindowSkin(mainWindow().window);
  shortLinkClient().setAppKey(applicationKey);
}

}  // namespace app
