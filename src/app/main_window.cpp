#include "app/main_window.h"

#include "app/commands.h"
#include "app/skin_activation.h"
#include "app/startup.h"
#include "draw/gdi_handles.h"

namespace app {
namespace {

constexpr COLORREF labelTextColour = RGB(255, 255, 255);
constexpr COLORREF labelShadowColour = RGB(40, 60, 90);

// A label keeps the font it was given in its user data, for WM_GETFONT.
HFONT labelFont(HWND label) {
  return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

void paintLabel(HWND label) {
  const draw::PaintDC paint = draw::PaintDC::begin(label);
  if (!paint) return;
  const HDC dc = paint.get();
  // DrawTextA would convert with the font's character set, not the process code page.
  wchar_t text[256];
  const int length = GetWindowTextW(label, text, 256);
  RECT area;
  GetClientRect(label, &area);
  const bool transparent = GetWindowLongPtrA(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT;
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (transparent ? DT_LEFT : DT_CENTER);
  const HGDIOBJ font = labelFont(label) ? labelFont(label) : GetStockObject(DEFAULT_GUI_FONT);
  const draw::ScopedSelectObject selectedFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  // Light text with a soft shadow reads on the dark and the light parts of the picture.
  RECT shadow = area;
  OffsetRect(&shadow, 1, 1);
  SetTextColor(dc, labelShadowColour);
  DrawTextW(dc, text, length, &shadow, format);
  SetTextColor(dc, labelTextColour);
  DrawTextW(dc, text, length, &area, format);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(labelFont(label));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
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

void onUnitClicked(int unitId) {
  switch (unitId) {
    case 101: onContactLabelClicked(); break;
    case 102: onCopyClicked(); break;
    case 103: onShortenClicked(); break;
    case 106: onExpandClicked(); break;
  }
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) == BN_CLICKED) onUnitClicked(LOWORD(wParam));
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
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont), FALSE);
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
