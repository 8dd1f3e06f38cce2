#pragma once
// One record per skinned top-level window (the main window and each skinned message
// box), kept in the process-wide list skinnedWindows. A window's 1-based position in
// the list is its window index, carried by the window in "Hw_lbID" and by each of its
// skinned controls in "Hw_FuID".

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/tool_tip_helper.h"
#include "skin/core/control_records.h"
#include "skin/core/control_registry.h"
#include "skin/core/frame_cache.h"
#include "skin/core/offscreen_image.h"

namespace skin {

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
};

struct FloatRect {
  float x = 0, y = 0, width = 0, height = 0;
};

enum TitleButtonKind : int { closeKind = 0, maximiseKind = 1, minimiseKind = 2, menuKind = 3, helpKind = 4 };

struct TitleButton {
  int width = 0, height = 0;            // image size
  std::vector<std::uint8_t> image;      // PNG of the glyph
  std::vector<std::uint8_t> altImage;   // shown while maximised (maximise button only)
  int kind = closeKind;
  std::string tipText;
  FloatRect hitRect;                    // client coordinates
};

// A title button's hover fade: which button, and how far (0..8) it has gone.
struct ButtonFade {
  int button = 0;
  int step = 0;
};

// A window's title-button hover: the button under the mouse, the one fading in and the
// one fading out, and the fade timer. The window procedure changes it and starts or
// stops the timer as its steps say; painting only reads it.
struct TitleButtonHover {
  int hoveredButton = 0;
  ButtonFade fadeIn;
  ButtonFade fadeOut;
  bool overStrip = false;     // the mouse was last seen over the button strip
  bool timerRunning = false;  // the fade timer is set
};

struct StatusPart {
  int width = -1;                       // -1: the remaining width
  std::string text;
  std::vector<std::uint8_t> picture;    // encoded, optional
  COLORREF textColour = 0xFFFFFF;
};

struct TextStyle {
  COLORREF colour = 0xFFFFFF;
  std::string fontName = "宋体";
  int fontSize = 12;
};

struct SkinnedWindowRecord {
  SkinnedWindowRecord();
  ~SkinnedWindowRecord();
  SkinnedWindowRecord(const SkinnedWindowRecord&) = delete;
  SkinnedWindowRecord& operator=(const SkinnedWindowRecord&) = delete;

  HWND window = nullptr;
  bool shown = false;
  bool hidden = false;
  int closeEffect = 0;          // 0 none, 1 shrink-and-fade, 2 pulse-and-fade
  bool moving = false;
  bool sizing = false;
  bool restoring = false;
  bool erased = false;
  bool active = false;
  int captionHeight = 25;
  bool helpButton = false;
  bool menuButton = false;
  bool minimiseButton = false;
  bool maximiseButton = false;
  bool closeButton = true;
  bool showTitle = true;
  bool captionBand = false;
  WNDPROC previousProcedure = nullptr;
  std::vector<std::uint8_t> ownPicture;
  int ownPictureMode = 0;
  COLORREF ownBaseColour = 0;
  int captionBandColour = -1;   // negative: no tint
  int captionBandAlpha = 255;
  std::vector<TitleButton> titleButtons;
  PixelRect buttonStrip;
  bool maximised = false;
  bool minimised = false;
  int minTrackWidth = 200;
  int minTrackHeight = 150;
  int screenWidth = 0;
  int screenHeight = 0;
  bool resizable = true;
  bool titleBar = true;
  COLORREF titleColour = 0xFFFFFF;
  COLORREF titleShadowColour = 0x808080;
  std::string titleFontName = "宋体";
  int titleFontSize = 12;
  int titleFontStyle = 1;
  int lastHotKind = 0;
  HWND lastHotParent = nullptr;
  std::unique_ptr<draw::ToolTipHelper> tooltip;
  int statusBarHeight = 0;
  PixelRect statusBarRect;
  std::vector<StatusPart> statusParts;
  std::vector<PixelRect> statusPartRects;
  TextStyle statusTextStyle;

  ControlRegistry<ButtonRecord> buttons;
  ControlRegistry<EditRecord> edits;
  ControlRegistry<ComboRecord> combos;
  ControlRegistry<ListSkinRecord> lists;
  ControlRegistry<TrackBarRecord> trackBars;
  ControlRegistry<ProgressRecord> progressBars;
  ControlRegistry<UpDownRecord> upDowns;
  ControlRegistry<HeaderRecord> headers;
  ControlRegistry<ToolbarRecord> toolbars;
  ControlRegistry<StaticRecord> dialogStatics;

  bool frameDirty = true;
  OffscreenImage backgroundImage;  // the rendered client area without controls
  OffscreenImage captionCache;     // the caption strip before icon, title and buttons
  OffscreenImage statusCache;      // the status bar before its parts
  OffscreenImage windowImage;      // the whole window as last painted, controls included
  int lastHotIndex = 0;
  int hotIndex = 0;
  int lastToolId = 0;
  ControlRegistry<ContainerRecord> containers;
  bool installed = true;
  bool mouseTracking = false;
  TitleButtonHover hover;
  int pressedButton = 0;           // the title button under the mouse at the last move or press
  int titleButtonDown = 0;         // the title button the left button went down on, 0 for none
  bool closeHot = false;           // skinned message boxes: close button drawn hot
  int frameWidth = 0;              // client size at installation, then at every full render
  int frameHeight = 0;
  FrameCache frameCache;           // decoded pictures kept between renders
};

using SkinnedWindowList = std::vector<std::unique_ptr<SkinnedWindowRecord>>;

// The process-wide list. Records are held by pointer, so a record stays where it is
// while others come and go.
SkinnedWindowList& skinnedWindows();

// The record at a 1-based window index; null for an index below 1 or past the end.
SkinnedWindowRecord* skinnedWindowAt(int windowIndex);
// The first record, in list order, of this window; null when it is not skinned.
SkinnedWindowRecord* findSkinnedWindow(HWND window);
// The 1-based index of that record, 0 when none.
int skinnedWindowIndex(HWND window);
// The 1-based index of this very record, 0 when it is not in the list.
int indexOfRecord(const SkinnedWindowRecord& record);

// Lookups through the properties: "Hw_lbID" on the skinned window itself, "Hw_FuID"
// on one of its skinned controls.
SkinnedWindowRecord* recordOfWindow(HWND skinnedWindow);
SkinnedWindowRecord* recordOfControl(HWND control);

// Appends a record; returns its window index.
int appendSkinnedWindow(std::unique_ptr<SkinnedWindowRecord> record);

// Removes the record at a window index, moves the later ones up and renumbers their
// windows' "Hw_lbID" and their controls' window-index properties. Returns the
// removed record (the caller decides when it is released), or null.
std::unique_ptr<SkinnedWindowRecord> removeSkinnedWindow(int windowIndex);

// Drops every record (at exit).
void clearSkinnedWindows();

}  // namespace skin
