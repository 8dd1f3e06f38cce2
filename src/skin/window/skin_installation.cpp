#include "skin/window/skin_installation.h"

#include <utility>
#include <vector>

#include "draw/embedded_resources.h"
#include "skin/controls/control_installs.h"
#include "skin/core/control_properties.h"
#include "skin/core/engine_state.h"
#include "skin/core/skin_theme.h"
#include "skin/window/skinned_window_proc.h"
#include "skin/window/theme_pictures.h"
#include "skin/window/title_bar_geometry.h"

namespace skin {
namespace {

struct TitleButtonSpec {
  int kind;
  const char* image;
  const char* altImage;
  int width;
  const char* tipText;
};

constexpr TitleButtonSpec helpButtonSpec{helpKind, "TITLE_HELP_PNG", nullptr, 26, "帮助"};
constexpr TitleButtonSpec menuButtonSpec{menuKind, "TITLE_MENU_PNG", nullptr, 26, "主菜单"};
constexpr TitleButtonSpec minimiseButtonSpec{minimiseKind, "TITLE_MINIMISE_PNG", nullptr, 26, "最小化"};
constexpr TitleButtonSpec maximiseButtonSpec{maximiseKind, "TITLE_MAXIMISE_PNG", "TITLE_RESTORE_PNG", 26, "最大化"};
constexpr TitleButtonSpec closeButtonSpec{closeKind, "TITLE_CLOSE_PNG", nullptr, 38, "关闭"};

TitleButton makeTitleButton(const TitleButtonSpec& spec) {
  TitleButton button;
  button.width = spec.width;
  button.height = titleButtonHeight;
  button.image = draw::loadResourceBytes(spec.image);
  if (spec.altImage) button.altImage = draw::loadResourceBytes(spec.altImage);
  button.kind = spec.kind;
  button.tipText = spec.tipText;
  return button;
}

// Left to right: help, main menu, minimise, maximise, close, each when switched on.
std::vector<TitleButton> makeTitleButtons(const SkinnedWindowRecord& record) {
  std::vector<TitleButton> buttons;
  const std::pair<bool, const TitleButtonSpec*> wanted[] = {
      {record.helpButton, &helpButtonSpec},         {record.menuButton, &menuButtonSpec},
      {record.minimiseButton, &minimiseButtonSpec}, {record.maximiseButton, &maximiseButtonSpec},
      {record.closeButton, &closeButtonSpec},
  };
  for (const auto& [on, spec] : wanted)
    if (on) buttons.push_back(makeTitleButton(*spec));
  return buttons;
}

bool switchOn(const std::optional<int>& value, bool fallback) { return value ? *value != 0 : fallback; }

// The picture a window brings of its own, with its edges faded into its own average
// colour where the placement leaves them against the background.
void takeOwnPicture(SkinnedWindowRecord& record, const std::vector<std::uint8_t>& picture) {
  if (picture.empty()) return;
  const PictureSource source{{}, picture};
  record.ownBaseColour = averageColour(source, 2000);
  if (record.ownPictureMode == pictureAtOriginFadedRight)
    record.ownPicture = fadePictureEdges(source, std::nullopt, record.ownBaseColour, true);
  else if (record.ownPictureMode == pictureAtTopRightFadedLeft)
    record.ownPicture = fadePictureEdges(source, std::nullopt, record.ownBaseColour, false);
  else
    record.ownPicture = picture;
}

void addTitleButtonTools(SkinnedWindowRecord& record) {
  record.tooltip = std::make_unique<draw::ToolTipHelper>();
  if (!record.tooltip->create(record.window)) return;
  for (size_t i = 0; i < record.titleButtons.size(); ++i) {
    const int tool = static_cast<int>(i) + 1;
    record.tooltip->addTool(tool, RECT{}, record.titleButtons[i].tipText);
    record.lastToolId = tool;
  }
}

RECT toRect(const FloatRect& r) {
  const int x = static_cast<int>(r.x), y = static_cast<int>(r.y);
  return RECT{x, y, x + static_cast<int>(r.width), y + static_cast<int>(r.height)};
}

SIZE clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

}  // namespace

void installSkin(HWND window, const InstallOptions& options) {
  if (!IsWindow(window) || findSkinnedWindow(window)) return;

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  const SIZE client = clientSize(window);

  struct FirstInstallation {
    bool pending = true;
  };
  if (std::exchange(enginePart<FirstInstallation>().pending, false)) frameMargin = 3;

  auto record = std::make_unique<SkinnedWindowRecord>();
  SkinnedWindowRecord& r = *record;
  r.window = window;
  r.captionHeight = captionHeightFrom(options.captionHeight);
  r.helpButton = switchOn(options.helpButton, false);
  r.menuButton = switchOn(options.menuButton, false);
  r.minimiseButton = (style & WS_MINIMIZEBOX) != 0;
  r.maximiseButton = (style & WS_MAXIMIZEBOX) != 0;
  r.titleBar = switchOn(options.titleBar, true);
  r.closeButton = !switchOn(options.noCloseButton, false) && r.titleBar;
  r.resizable = switchOn(options.resizable, true);
  r.showTitle = switchOn(options.showTitle, true);
  r.captionBand = switchOn(options.captionBand, false);
  r.ownPictureMode = options.ownPictureMode.value_or(theme().pictureMode);
  r.captionBandColour = options.captionBandColour.value_or(-1);
  r.captionBandAlpha = options.captionBandAlpha.value_or(255);
  r.minTrackWidth = 200;
  r.minTrackHeight = 150;
  r.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  r.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  takeOwnPicture(r, options.ownPicture);

  r.titleColour = 0xFFFFFF;
  r.titleShadowColour = 0x808080;
  r.titleFontName = "宋体";
  r.titleFontSize = 12;
  r.titleFontStyle = 1;

  r.titleButtons = makeTitleButtons(r);
  std::vector<int> imageWidths;
  for (const TitleButton& button : r.titleButtons) imageWidths.push_back(button.width);
  r.buttonStrip = PixelRect{0, 0, buttonStripWidth(imageWidths), buttonStripHeight};

  SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);

  r.frameWidth = client.cx;
  r.frameHeight = client.cy;
  const int index = appendSkinnedWindow(std::move(record));

  if (options.titleBar && *options.titleBar != 0) addTitleButtonTools(r);
  layoutTitleButtons(index);
  if (options.statusBarHeight && *options.statusBarHeight >= 1) {
    r.statusBarHeight = *options.statusBarHeight;
    r.statusParts = options.statusParts;
    r.statusTextStyle = TextStyle{0xFFFFFF, "宋体", 12};
  }
  layoutStatusBar(index);

  skinChildControls(index, window);

  r.installed = true;
  r.frameDirty = true;
  r.previousProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&skinnedWindowProc)));
  props::setPreviousProcedure(window, r.previousProcedure);
  props::setRecordIndex(window, index);
}

int setCloseEffect(HWND window, int effect) {
  SkinnedWindowRecord* record = recordOfWindow(window);
  if (!record || record->window != window) return 0;
  record->closeEffect = effect;
  return 1;
}

void uninstallSkin(HWND window) {
  const int index = skinnedWindowIndex(window);
  SkinnedWindowRecord* record = skinnedWindowAt(index);
  if (!record) return;

  for (const EditRecord& edit : record->edits)
    if (edit.window) props::deleteColourObjects(edit.window);
  // Each image selects its original bitmap back before its own is deleted.
  record->backgroundImage.clear();
  record->captionCache.clear();
  record->statusCache.clear();
  record->windowImage.clear();
  record->tooltip.reset();
  RemovePropA(window, props::originalBackgroundBitmapKey);

  // "Hw_hProc" stays: a procedure still running for this message forwards through it.
  if (const WNDPROC previous = props::previousProcedure(window))
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  // The index would name another window's record once the list closes up.
  RemovePropA(window, props::recordIndexKey);

  // Dropping the record frees the rest it owns; the later windows and their controls
  // are renumbered.
  removeSkinnedWindow(index);
}

void layoutTitleButtons(SkinnedWindowRecord& record) {
  const SIZE client = clientSize(record.window);
  PixelRect& strip = record.buttonStrip;
  strip.x = buttonStripX(client.cx, strip.width);
  strip.height = buttonStripHeight;
  for (size_t i = 0; i < record.titleButtons.size(); ++i) {
    TitleButton& button = record.titleButtons[i];
    const int number = static_cast<int>(i) + 1;
    button.hitRect = titleButtonHitRect(strip, number, button.kind);
    if (record.tooltip) {
      record.tooltip->setToolRect(number, toRect(button.hitRect));
      record.tooltip->setToolText(number, button.tipText);
    }
  }
}

void layoutTitleButtons(int windowIndex) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) layoutTitleButtons(*record);
}


void layoutStatusBar(SkinnedWindowRecord& record) {
  const SIZE client = clientSize(record.window);
  const int m = frameMargin;
  const int barHeight = record.statusBarHeight;
  record.statusBarRect = PixelRect{m, client.cy - barHeight - m - 1, client.cx - 2 * m, barHeight};
  record.statusPartRects.clear();
  int x = m;
  int widthsBefore = 0;
  for (const StatusPart& part : record.statusParts) {
    const int width = part.width == -1 ? client.cx - widthsBefore - 2 * m : part.width;
    record.statusPartRects.push_back(PixelRect{x, record.statusBarRect.y, width, barHeight});
    x += width;
    widthsBefore += width;
  }
}

void layoutStatusBar(int windowIndex) {
  if (SkinnedWindowRecord* record = skinnedWindowAt(windowIndex)) layoutStatusBar(*record);
}


}  // namespace skin
