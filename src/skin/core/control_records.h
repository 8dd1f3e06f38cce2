#pragma once
// One record per skinned control, one record type per control kind. The first field
// of every record is the control's window; a record whose window is null is empty.

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "draw/tool_tip_helper.h"

namespace skin {

// Push buttons, check boxes and automatic radio buttons.
enum ButtonKind : int { pushButtonKind = 0, radioButtonKind = 4, checkBoxKind = 5 };

struct ButtonRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int buttonKind = pushButtonKind;
  std::string caption;
  bool focused = false;
  std::unique_ptr<draw::ToolTipHelper> tooltip = std::make_unique<draw::ToolTipHelper>();
  std::string fontFamily = "宋体";
  int fontSize = 12;
  int fontStyle = 0;
  bool pressed = false;
};

// Rectangles (left, top, right, bottom) of a scroll bar's first arrow, second arrow
// and thumb, in overlay coordinates, as last painted.
using ScrollBarParts = std::array<RECT, 3>;

struct EditRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
  bool hot = false;
  bool mouseDown = false;
  HWND verticalOverlay = nullptr;
  HWND horizontalOverlay = nullptr;
  ScrollBarParts verticalParts{};
  ScrollBarParts horizontalParts{};
};

struct ComboRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
};

// Statics of skinned dialogs.
enum StaticKind : int { textStatic = 1, bitmapStatic = 2, iconStatic = 3 };
enum StaticPlacement : int { placeTopLeft = 0, placeBottomRight = 1, placeCentred = 2, placeStretched = 3 };

struct StaticRecord {
  HWND window = nullptr;
  int placement = placeTopLeft;
  int staticKind = textStatic;
  WNDPROC previousProc = nullptr;
  std::string fontFamily = "宋体";
  int fontSize = 12;
  int fontStyle = 0;
};

// List-like controls; they share the scroll-bar overlays of the edit boxes.
struct ListSkinRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
  bool hot = false;
  bool dirty = true;  // repaint instead of copying the last picture back
  bool hoverTracked = false;  // between the platform's hover and leave notifications
  HWND verticalOverlay = nullptr;
  HWND horizontalOverlay = nullptr;
  ScrollBarParts verticalParts{};
  ScrollBarParts horizontalParts{};
};

// Where a track bar's ticks are, from its style.
enum TickPlacement : int { ticksTopOrLeft = 0, ticksBottomOrRight = 1, ticksBoth = 2, noTicks = 3 };

struct TrackBarRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool vertical = false;
  int tickPlacement = ticksBottomOrRight;
  bool hot = false;
  bool selectionRange = false;
};

struct ProgressRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool vertical = false;
};

struct UpDownRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool hot = false;
  int hotPart = 0;  // the half under the mouse when last painted hot: 0 first, 1 second
  bool pressed = false;
  bool horizontal = false;
  LPARAM lastMousePos = 0;  // of the last press or release
};

struct HeaderRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool hot = false;
  int hotItem = 0;         // 1-based item under the mouse, 0 for none
  int paintedHotItem = 0;  // the hotItem last painted
  bool buttons = false;    // HDS_BUTTONS: items show hot and pressed looks
  int pressedItem = 0;
  bool pressed = false;
  std::string fontFamily = "宋体";
  int fontStyle = 0;
  int fontSize = 12;
  HIMAGELIST imageList = nullptr;  // the application's; the skin only draws from it
};

struct ToolbarRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  std::string fontFamily = "宋体";
  int fontSize = 12;
  int fontStyle = 0;
  bool stale = true;      // paint afresh at the next WM_PAINT instead of copying the last picture back
  bool tracking = false;  // a mouse-leave notification was asked for and has not come yet
};

// A window docked in a container; nothing docks in this program, the list stays empty.
struct DockedWindow {
  HWND window = nullptr;
  int values[3] = {};
};

// A child window whose own children are skinned like those of a skinned window.
struct ContainerRecord {
  HWND window = nullptr;
  COLORREF pageColour = 0;  // filled behind the children when not 0
  int pageOpacity = 255;
  bool drawBorder = false;
  WNDPROC previousProc = nullptr;
  bool repaint = true;
  bool backgroundStale = true;
  int clientWidth = 0;   // client size recorded when the container was registered
  int clientHeight = 0;
  int containerKind = 0;  // 0: a plain container
  bool paintsOwnBackground = true;
  std::string fontFamily;
  int fontSize = 0;
  int fontStyle = 0;
  std::vector<DockedWindow> dockedWindows = std::vector<DockedWindow>(1);
};

}  // namespace skin
