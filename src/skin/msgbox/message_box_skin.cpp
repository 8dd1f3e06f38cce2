#include "skin/msgbox/message_box_skin.h"

#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "draw/embedded_resources.h"
#include "draw/gdi_handles.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/control_geometry.h"
#include "skin/core/control_properties.h"
#include "skin/core/engine_state.h"
#include "skin/core/skinned_window_record.h"
#include "skin/core/window_helpers.h"
#include "skin/msgbox/dialog_painter.h"
#include "skin/msgbox/window_styles.h"
#include "skin/window/close_effect.h"
#include "skin/window/skin_installation.h"

namespace skin {
namespace {

constexpr int dialogCaptionHeight = 25;
constexpr int dialogExtraWidth = 6;
constexpr int closeButtonImageWidth = 38;
constexpr int closeButtonImageHeight = 18;
constexpr int closeButtonReach = 36;  // from the right edge to the start of the close zone
constexpr int closeZoneHeight = 22;
constexpr int fadeSteps = 10;
constexpr int fadeAlphaStep = 24;     // ends at 240, not quite opaque

// The hook goes with the engine's state: a reset leaves no hook behind.
struct MessageBoxHook {
  HHOOK hook = nullptr;
  ~MessageBoxHook() {
    if (hook) UnhookWindowsHookEx(hook);
  }
};

HHOOK& hookSlot() { return enginePart<MessageBoxHook>().hook; }

// What the fade thread gets: the dialog and a flag the dialog raises when it goes away,
// so that a fade outlasting its dialog stops instead of touching a reused handle.
struct FadeJob {
  HWND dialog = nullptr;
  std::shared_ptr<std::atomic<bool>> closed;
};

struct DialogFade {
  draw::OwnedHandle thread;
  std::shared_ptr<std::atomic<bool>> closed;
};

// One entry per dialog whose fade has been started; each dialog fades in on its own.
struct DialogFades {
  std::map<HWND, DialogFade> byDialog;
  // Dropped by a reset: every fade still running stops at its next step.
  ~DialogFades() {
    for (auto& [dialog, fade] : byDialog) fade.closed->store(true);
  }
};

std::map<HWND, DialogFade>& dialogFades() { return enginePart<DialogFades>().byDialog; }

DWORD WINAPI fadeInDialog(LPVOID parameter) {
  const std::unique_ptr<FadeJob> job(static_cast<FadeJob*>(parameter));
  for (int i = 1; i <= fadeSteps; ++i) {
    Sleep(static_cast<DWORD>(50 - 5 * i));
    if (job->closed->load()) return 0;
    SetLayeredWindowAttributes(job->dialog, 0, static_cast<BYTE>(fadeAlphaStep * i), LWA_ALPHA);
  }
  return 0;
}

void startFade(HWND dialog) {
  DialogFade fade;
  fade.closed = std::make_shared<std::atomic<bool>>(false);
  auto job = std::make_unique<FadeJob>(FadeJob{dialog, fade.closed});
  fade.thread.reset(CreateThread(nullptr, 0, fadeInDialog, job.get(), 0, nullptr));
  if (fade.thread) {
    (void)job.release();  // the thread owns it now
  } else {
    // Without a thread the box would stay invisible: show it at once.
    SetLayeredWindowAttributes(dialog, 0, static_cast<BYTE>(fadeAlphaStep * fadeSteps), LWA_ALPHA);
  }
  dialogFades()[dialog] = std::move(fade);
}

// A fade still running stops at its next step.
void haltFade(HWND dialog) {
  const auto found = dialogFades().find(dialog);
  if (found != dialogFades().end()) found->second.closed->store(true);
}

// The thread is not waited for: it sees the flag and ends on its own.
void endFade(HWND dialog) {
  const auto found = dialogFades().find(dialog);
  if (found == dialogFades().end()) return;
  found->second.closed->store(true);
  dialogFades().erase(found);
}

void clipToRoundedOutline(HWND dialog) {
  const SIZE size = windowSize(dialog);
  draw::OwnedRegion region(CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 5, 5));
  // Once given to the window the region is the window's.
  if (region && SetWindowRgn(dialog, region.get(), TRUE)) (void)region.release();
}

TitleButton makeDialogCloseButton() {
  TitleButton button;
  button.width = closeButtonImageWidth;
  button.height = closeButtonImageHeight;
  button.image = draw::loadResourceBytes("DIALOG_CLOSE_PNG");
  button.kind = closeKind;
  button.tipText = "关闭";
  return button;
}

std::unique_ptr<SkinnedWindowRecord> makeDialogRecord(HWND dialog) {
  auto record = std::make_unique<SkinnedWindowRecord>();
  SkinnedWindowRecord& r = *record;
  r.window = dialog;
  r.captionHeight = dialogCaptionHeight;
  r.helpButton = r.menuButton = r.minimiseButton = r.maximiseButton = false;
  r.titleBar = true;
  r.closeButton = true;
  r.resizable = false;
  r.showTitle = true;
  r.captionBand = false;
  r.titleColour = 0xFFFFFF;
  r.titleShadowColour = 0x808080;
  r.titleFontName = "宋体";
  r.titleFontSize = 13;
  r.titleFontStyle = 0;
  r.titleButtons.push_back(makeDialogCloseButton());
  r.buttonStrip = PixelRect{0, 0, closeButtonImageWidth + 3, closeZoneHeight};
  return record;
}

std::vector<int> visibleButtonIds(HWND dialog) {
  std::vector<int> ids;
  forEachChild(
      dialog, [&](HWND button) {
        if (IsWindowVisible(button)) ids.push_back(GetDlgCtrlID(button));
      },
      "Button");
  return ids;
}

// Closes the box the way Windows' own close button does, so that an OK-only box gives
// IDOK on every platform (Wine answers WM_CLOSE with IDCANCEL even then).
void closeLikeSystem(HWND dialog) {
  const std::vector<int> ids = visibleButtonIds(dialog);
  const int command = closeCommandFor(ids);
  if (!command) return;
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
}

LRESULT forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return forwardMessage(window, message, wParam, lParam);
}

LRESULT onNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
  endFade(window);
  uninstallSkin(window);
  RemovePropA(window, props::dialogBackgroundBitmapKey);
  return forward(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT onChangeUiState(HWND window, WPARAM wParam, LPARAM lParam) {
  // The platform's first UI-state pass would repaint focus and accelerator marks over the skin.
  if (LOWORD(wParam) == UIS_INITIALIZE) return 0;
  return forward(window, WM_CHANGEUISTATE, wParam, lParam);
}

// The dialog itself takes the focus when it ends (EndDialog moves it off its buttons).
LRESULT onSetFocus(HWND window, WPARAM wParam, LPARAM lParam) {
  // The effect drives the layered window itself; a late fade step would undo it.
  haltFade(window);
  playCloseEffect(window, shrinkAndFade);
  return forward(window, WM_SETFOCUS, wParam, lParam);
}

LRESULT onActivate(HWND window, WPARAM wParam, LPARAM lParam) {
  removeMessageBoxHook();
  return forward(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT onSize(HWND window, WPARAM wParam, LPARAM lParam) {
  clipToRoundedOutline(window);
  layoutDialogCloseButton(props::recordIndex(window));
  return forward(window, WM_SIZE, wParam, lParam);
}

LRESULT onPaint(HWND window, WPARAM wParam, LPARAM lParam) {
  {
    const draw::PaintDC paint = draw::PaintDC::begin(window);
    paintDialog(window);
  }
  if (!dialogFadeStarted(window)) startFade(window);
  return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

LRESULT onNcLeftButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
  if (wParam == HTCLOSE) return 0;
  // A press on the caption starts the platform's own move.
  return forward(window, WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT onNcMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
  const int index = props::recordIndex(window);
  SkinnedWindowRecord* record = skinnedWindowAt(index);
  if (wParam == HTCLOSE) {
    if (record && !record->closeHot) {
      drawDialogCloseButton(index, 1, nullptr, true);
      record->closeHot = true;
    }
    return 0;
  }
  if (record && record->closeHot) {
    drawDialogCloseButton(index, 1, nullptr, false);
    record->closeHot = false;
  }
  return forward(window, WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT onNcLeftButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
  if (wParam != HTCLOSE) return forward(window, WM_NCLBUTTONUP, wParam, lParam);
  closeLikeSystem(window);
  return 0;
}

// A skinned static paints its own content; what it leaves to the platform (a blank
// text, a missing picture, a frame) is drawn over the dialog's background, so the
// platform's fill must not cover it with the dialog's grey.
LRESULT onStaticColour(HWND window, WPARAM wParam, LPARAM lParam) {
  const auto control = reinterpret_cast<HWND>(lParam);
  const SkinnedWindowRecord* record = recordOfWindow(window);
  if (!record || !control || !record->dialogStatics.find(control))
    return forward(window, WM_CTLCOLORSTATIC, wParam, lParam);
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, props::textColour(control));
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT onDrawItem(HWND window, WPARAM wParam, LPARAM lParam) {
  if (lParam) {
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    dispatchOwnerDraw(props::recordIndex(window), item);
  }
  return forward(window, WM_DRAWITEM, wParam, lParam);
}

}  // namespace

void installMessageBoxHook() {
  removeMessageBoxHook();
  hookSlot() = SetWindowsHookExA(WH_CBT, messageBoxHookProc, nullptr, GetCurrentThreadId());
}

void removeMessageBoxHook() {
  if (HHOOK hook = std::exchange(hookSlot(), nullptr)) UnhookWindowsHookEx(hook);
}

bool messageBoxHookInstalled() { return hookSlot() != nullptr; }

LRESULT CALLBACK messageBoxHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (windowClassName(window) == "#32770" && !props::hasPreviousProcedure(window)) skinDialog(window);
  }
  return CallNextHookEx(hookSlot(), code, wParam, lParam);
}

void skinDialog(HWND dialog) {
  if (!IsWindow(dialog) || findSkinnedWindow(dialog) || props::hasPreviousProcedure(dialog)) return;

  RECT frame{};
  GetWindowRect(dialog, &frame);
  MoveWindow(dialog, frame.left, frame.top, frame.right - frame.left + dialogExtraWidth, frame.bottom - frame.top,
             TRUE);
  clipToRoundedOutline(dialog);

  std::unique_ptr<SkinnedWindowRecord> record = makeDialogRecord(dialog);
  SkinnedWindowRecord& r = *record;
  SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_SYSMENU);
  // Invisible until its first paint starts the fade-in.
  setLayeredStyle(dialog);
  SetLayeredWindowAttributes(dialog, 0, 0, LWA_ALPHA);

  const int index = appendSkinnedWindow(std::move(record));
  layoutDialogCloseButton(index);
  skinDialogControls(index, dialog);
  r.installed = true;
  r.frameDirty = true;
  subclassControl(dialog, dialogSkinProc);
  props::setRecordIndex(dialog, index);
}

void layoutDialogCloseButton(int windowIndex) {
  SkinnedWindowRecord* record = skinnedWindowAt(windowIndex);
  if (!record) return;
  const int left = windowSize(record->window).cx - closeButtonReach;
  record->buttonStrip.x = left;
  for (TitleButton& button : record->titleButtons)
    button.hitRect = FloatRect{static_cast<float>(left), 0, static_cast<float>(closeButtonReach),
                               static_cast<float>(closeZoneHeight)};
}

LRESULT CALLBACK dialogSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY: return onNcDestroy(window, wParam, lParam);
    case WM_CHANGEUISTATE: return onChangeUiState(window, wParam, lParam);
    case WM_SETFOCUS: return onSetFocus(window, wParam, lParam);
    case WM_ACTIVATE: return onActivate(window, wParam, lParam);
    case WM_SIZE: return onSize(window, wParam, lParam);
    case WM_PAINT: return onPaint(window, wParam, lParam);
    case WM_NCPAINT: return 0;     // the frame is part of the skin's own paint
    case WM_NCACTIVATE: return 1;  // nor does activation repaint it
    case WM_NCHITTEST: return dialogHitTest(window, lParam);
    case WM_NCLBUTTONDOWN: return onNcLeftButtonDown(window, wParam, lParam);
    case WM_NCMOUSEMOVE: return onNcMouseMove(window, wParam, lParam);
    case WM_NCLBUTTONUP: return onNcLeftButtonUp(window, wParam, lParam);
    case WM_DRAWITEM: return onDrawItem(window, wParam, lParam);
    case WM_CTLCOLORSTATIC: return onStaticColour(window, wParam, lParam);
    default: return forward(window, message, wParam, lParam);
  }
}

int dialogHitTest(HWND dialog, LPARAM point) {
  RECT frame{};
  GetWindowRect(dialog, &frame);
  const SkinnedWindowRecord* record = recordOfWindow(dialog);
  const int stripX = record ? record->buttonStrip.x : frame.right - frame.left - closeButtonReach;
  return dialogHitCode(frame, stripX, GET_X_LPARAM(point), GET_Y_LPARAM(point));
}

int dialogHitCode(const RECT& windowRect, int stripX, int x, int y) {
  const int top = windowRect.top;
  if (x > windowRect.left + stripX && x < windowRect.right - 5 && y > top + 3 && y <= top + 20) return HTCLOSE;
  if (y <= top + dialogCaptionHeight) return HTCAPTION;
  return HTCLIENT;
}

int closeCommandFor(std::span<const int> buttonIds) {
  if (std::find(buttonIds.begin(), buttonIds.end(), IDCANCEL) != buttonIds.end()) return IDCANCEL;
  std::vector<int> answers;
  std::copy_if(buttonIds.begin(), buttonIds.end(), std::back_inserter(answers), [](int id) { return id != IDHELP; });
  return answers.size() == 1 ? answers.front() : 0;
}

bool dialogFadeStarted(HWND dialog) { return dialogFades().count(dialog) != 0; }

}  // namespace skin
