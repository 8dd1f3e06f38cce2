#include "gallery/gallery_window.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "gallery/gallery_content.h"
#include "gallery/gallery_layout.h"
#include "skin/msgbox/message_box_skin.h"
#include "skin/window/frame_renderer.h"
#include "skin/window/status_bar_painter.h"
#include "skin/window/program_skin.h"
#include "skin/window/skin_installation.h"
#include "skin/core/skin_theme.h"
#include "skin/core/skinned_window_record.h"
#include "skin/window/theme_pictures.h"

namespace gallery {
namespace {

constexpr char hoverHint[] = "把鼠标移到控件上，这里显示它的名字";

struct Accent {
  COLORREF colour;
  const char* name;
};
constexpr Accent accents[accentCount] = {
    {skin::programAccentColour, "蓝"},
    {RGB(0, 176, 80), "绿"},
    {RGB(160, 64, 192), "紫"},
};

constexpr const char* pictureModeNames[] = {"原位，右下淡出", "靠右上，左下淡出", "居中", "拉伸", "原位"};

// What one gallery window keeps besides its controls; owned through GWLP_USERDATA.
struct GalleryState {
  OwnedImageList toolbarIcons;
  int accent = 0;
  int pictureMode = skin::pictureStretched;
  int hoveredId = -1;
};

GalleryState* stateOf(HWND gallery) {
  return reinterpret_cast<GalleryState*>(GetWindowLongPtrA(gallery, GWLP_USERDATA));
}

void setStatusText(HWND gallery, int part, const std::string& text) {
  skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(gallery);
  if (!record || part < 1 || part > static_cast<int>(record->statusParts.size())) return;
  if (record->statusParts[part - 1].text == text) return;
  record->statusParts[part - 1].text = text;
  skin::paintStatusBarPart(skin::skinnedWindowIndex(gallery), part);
}

std::string themeDescription(const GalleryState& state) {
  return std::string("强调色：") + accents[state.accent].name + " · 图片模式 " + std::to_string(state.pictureMode) +
         "：" + pictureModeNames[state.pictureMode];
}

// Every control's rectangle in client coordinates; hidden ones are left out.
std::vector<ControlPlace> controlPlaces(HWND gallery) {
  std::vector<ControlPlace> places;
  for (const ControlSpec& spec : galleryControls) {
    const HWND control = galleryControl(gallery, spec.id);
    if (!control || !IsWindowVisible(control)) continue;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, gallery, reinterpret_cast<POINT*>(&rect), 2);
    places.push_back({spec.id, rect});
  }
  return places;
}

// The innermost gallery control that is `window` or holds it (a combo box for its edit).
int controlHolding(HWND gallery, HWND window) {
  for (HWND w = window; w && w != gallery; w = GetParent(w)) {
    const ControlSpec* spec = controlSpec(GetDlgCtrlID(w));
    if (spec && galleryControl(gallery, spec->id) == w) return spec->id;
  }
  return 0;
}

// Disabled controls and captions leave the mouse to the window itself: find the control
// from the cursor's position instead.
int controlUnderCursor(HWND gallery) {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(gallery, &cursor);
  return controlAt(controlPlaces(gallery), cursor);
}

void showHoveredControl(HWND gallery, GalleryState& state, int id) {
  if (id == state.hoveredId) return;
  state.hoveredId = id;
  const ControlSpec* spec = controlSpec(id);
  setStatusText(gallery, 1, spec ? std::string("鼠标下：") + spec->name : hoverHint);
}

void applyTheme(HWND gallery, const GalleryState& state) {
  skin::ThemeSettings settings;
  settings.pictureBytes = skin::programPictureBytes();
  settings.themeColour = static_cast<int>(accents[state.accent].colour);
  settings.pictureMode = state.pictureMode;
  skin::setSkinTheme(settings);  // ends by refreshing every visible skinned window
  setStatusText(gallery, 2, themeDescription(state));
}

void raiseMessageBox(HWND gallery, const MessageBoxSpec& box) {
  skin::installMessageBoxHook();
  const int result = MessageBoxExA(gallery, box.text, box.caption, box.style, 0);
  setStatusText(gallery, 2, std::string("消息框“") + box.caption + "”返回 " + buttonCodeName(result));
}

std::string toolbarButtonText(HWND toolbar, int command) {
  char text[64]{};
  SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text));
  return text;
}

// --- Handlers, one per message -----------------------------------------------------

void onButtonClicked(HWND gallery, GalleryState& state, int id) {
  for (const MessageBoxSpec& box : galleryMessageBoxes())
    if (box.id == id) return raiseMessageBox(gallery, box);
  if (id >= idAccentBlue && id < idAccentBlue + accentCount) {
    state.accent = id - idAccentBlue;
    return applyTheme(gallery, state);
  }
  if (id >= idPictureModeFirst && id <= idPictureModeLast) {
    state.pictureMode = id - idPictureModeFirst;
    return applyTheme(gallery, state);
  }
  if (id == idRadioManual) {  // a non-automatic radio button is checked by its owner
    const HWND radio = GetDlgItem(gallery, id);
    SendMessageA(radio, BM_SETCHECK, SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED
                                                                                          : BST_CHECKED, 0);
  }
}

LRESULT onCommand(HWND gallery, WPARAM wParam, LPARAM lParam) {
  GalleryState* state = stateOf(gallery);
  const HWND from = reinterpret_cast<HWND>(lParam);
  if (!state || !from) return 0;
  if (from == galleryControl(gallery, idToolbar)) {
    setStatusText(gallery, 2, "工具栏按钮“" + toolbarButtonText(from, LOWORD(wParam)) + "”被按下");
  } else if (HIWORD(wParam) == BN_CLICKED && GetParent(from) == gallery) {
    onButtonClicked(gallery, *state, LOWORD(wParam));
  }
  return 0;
}

LRESULT onNotify(HWND gallery, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header && header->code == TBN_DROPDOWN) {
    const auto* toolbar = reinterpret_cast<const NMTOOLBARA*>(lParam);
    setStatusText(gallery, 2, "工具栏按钮“" + toolbarButtonText(header->hwndFrom, toolbar->iItem) + "”的下拉箭头被按下");
    return TBDDRET_DEFAULT;
  }
  return 0;
}

LRESULT onSetCursor(HWND gallery, WPARAM wParam, LPARAM lParam) {
  const HWND over = reinterpret_cast<HWND>(wParam);
  if (GalleryState* state = stateOf(gallery))
    showHoveredControl(gallery, *state, over == gallery ? controlUnderCursor(gallery) : controlHolding(gallery, over));
  // Over a control, the control sets its own cursor (an I-beam over an edit box).
  if (over != gallery) return FALSE;
  return DefWindowProcA(gallery, WM_SETCURSOR, wParam, lParam);
}

LRESULT onNcDestroy(HWND gallery) {
  delete stateOf(gallery);
  SetWindowLongPtrA(gallery, GWLP_USERDATA, 0);
  return 0;
}

LRESULT CALLBACK galleryWindowProc(HWND gallery, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: return onCommand(gallery, wParam, lParam);
    case WM_NOTIFY: return onNotify(gallery, lParam);
    case WM_SETCURSOR: return onSetCursor(gallery, wParam, lParam);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY: return onNcDestroy(gallery);
  }
  return DefWindowProcA(gallery, message, wParam, lParam);
}

bool registerGalleryClass(HINSTANCE instance) {
  WNDCLASSEXA existing{sizeof existing};
  if (GetClassInfoExA(instance, galleryWindowClassName, &existing)) return true;
  WNDCLASSEXA windowClass{sizeof windowClass};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = galleryWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, "DEFAULT_ICON");
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = galleryWindowClassName;
  return RegisterClassExA(&windowClass) != 0;
}

HWND createChild(HWND parent, HINSTANCE instance, const char* className, DWORD style, DWORD extendedStyle, int x,
                 int y, int width, int height, const char* text, int id) {
  const HWND child = CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                     height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                     nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void createControls(HWND gallery, HINSTANCE instance) {
  for (const ControlSpec& spec : galleryControls) {
    if (spec.parentId != 0) continue;  // made by the content of its parent
    createChild(gallery, instance, spec.className, spec.style, spec.extendedStyle, spec.x, spec.y, spec.width,
                spec.height, spec.text, spec.id);
  }
  int captionId = idCaptionFirst;
  for (const CaptionSpec& caption : galleryCaptions)
    createChild(gallery, instance, "Static", SS_LEFT | SS_NOPREFIX, 0, caption.x, caption.y, caption.width,
                caption.height, caption.text, captionId++);
}

void installGallerySkin(HWND gallery, const GalleryState& state) {
  skin::applyProgramLook();
  skin::InstallOptions options;
  options.titleBar = 1;  // with tool tips on the title buttons
  options.statusBarHeight = statusBarHeight;
  options.statusParts = {skin::StatusPart{firstStatusPartWidth, hoverHint}, skin::StatusPart{-1, themeDescription(state)}};
  skin::installSkin(gallery, options);
}

}  // namespace

HWND galleryControl(HWND gallery, int id) {
  const ControlSpec* spec = controlSpec(id);
  if (!spec) return nullptr;
  const HWND parent = spec->parentId ? GetDlgItem(gallery, spec->parentId) : gallery;
  return parent ? GetDlgItem(parent, id) : nullptr;
}

COLORREF accentColour(int accent) { return accents[accent].colour; }

std::string statusText(HWND gallery, int part) {
  const skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(gallery);
  if (!record || part < 1 || part > static_cast<int>(record->statusParts.size())) return {};
  return record->statusParts[part - 1].text;
}

HWND createGalleryWindow(HINSTANCE instance, GallerySkin skin) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES |
                                                   ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  if (!registerGalleryClass(instance)) return nullptr;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - galleryWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - galleryHeight) / 2;
  // Borderless: the skin draws the whole frame, and the title buttons follow the style.
  const HWND gallery = CreateWindowExA(WS_EX_APPWINDOW, galleryWindowClassName, galleryTitle,
                                       WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, x, y,
                                       galleryWidth, galleryHeight, nullptr, nullptr, instance, nullptr);
  if (!gallery) return nullptr;
  auto state = std::make_unique<GalleryState>();
  state->toolbarIcons = makeGalleryIcons();
  createControls(gallery, instance);
  fillGalleryControls(gallery, state->toolbarIcons.get());
  GalleryState& kept = *state;
  SetWindowLongPtrA(gallery, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
  if (skin == GallerySkin::installed) installGallerySkin(gallery, kept);
  return gallery;
}

}  // namespace gallery
