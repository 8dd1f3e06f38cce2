#include "skin/controls/container_skin.h"

#include "skin/controls/child_messages.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installs.h"
#include "skin/core/control_geometry.h"
#include "skin/core/control_lookup.h"
#include "skin/core/skinned_window_record.h"

namespace skin {
namespace {

struct ContainerMessage {
  HWND container;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  int windowIndex;
  int index;
  ContainerRecord& record;
};

LRESULT forward(const ContainerMessage& m) {
  return forwardMessage(m.container, m.message, m.wParam, m.lParam);
}

LRESULT onSize(const ContainerMessage& m) {
  m.record.repaint = true;  // nothing is docked, so there is nothing to lay out
  return forward(m);
}

LRESULT onEraseBackground(const ContainerMessage& m) {
  SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
  return 1;
}

// Shown: the previous procedure sees the message, and the default handling answers it.
LRESULT onShowWindow(const ContainerMessage& m) {
  if (m.wParam != TRUE) return forward(m);
  forward(m);
  return DefWindowProcA(m.container, m.message, m.wParam, m.lParam);
}

LRESULT onDrawItem(const ContainerMessage& m) {
  if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam)) dispatchOwnerDraw(m.windowIndex, *item);
  return forward(m);
}

LRESULT onNotify(const ContainerMessage& m) {
  onChildNotify(m.lParam);
  return forward(m);
}

LRESULT onCommand(const ContainerMessage& m) {
  onChildCommand(m.wParam, m.lParam);
  return forward(m);
}

LRESULT onChildColour(const ContainerMessage& m) {
  if (const std::optional<LRESULT> answer = answerChildColour(m.message, m.wParam, m.lParam)) return *answer;
  return forward(m);
}

// The procedure to hand the message on to is read before the record goes.
LRESULT onNcDestroy(const ContainerMessage& m) {
  const WNDPROC previous = props::previousProcedure(m.container);
  unregisterContainer(m.windowIndex, m.index);
  return previous ? CallWindowProcA(previous, m.container, m.message, m.wParam, m.lParam)
                  : DefWindowProcA(m.container, m.message, m.wParam, m.lParam);
}

}  // namespace

void registerContainer(HWND container, std::optional<int> paintsOwnBackground, std::optional<COLORREF> pageColour,
                       std::optional<int> pageOpacity, std::optional<int> drawBorder) {
  const int windowIndex = findSkinnedWindowIndex(container);
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  if (!window || !container || window->containers.find(container)) return;
  RECT client{};
  GetClientRect(container, &client);
  const int index = window->containers.takeSlot();
  ContainerRecord& record = *window->containers.at(index);
  record.window = container;
  record.pageColour = pageColour.value_or(0);
  record.pageOpacity = pageOpacity.value_or(255) & 0xFF;
  record.drawBorder = drawBorder.value_or(0) != 0;
  record.paintsOwnBackground = paintsOwnBackground.value_or(1) != 0;
  record.clientWidth = client.right;
  record.clientHeight = client.bottom;

  skinChildControls(windowIndex, container);

  // The installs above may have grown the registry; the record is found again by index.
  ContainerRecord& registered = *window->containers.at(index);
  registered.repaint = true;
  registered.previousProc = subclassControl(container, containerProc);
  props::setRecordIndex(container, index);
  props::setWindowIndex(container, windowIndex);
}

LRESULT CALLBACK containerProc(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinnedControl<ContainerRecord> control = lookUpControl(container, &SkinnedWindowRecord::containers);
  if (!control) return forwardMessage(container, message, wParam, lParam);
  const ContainerMessage m{container, message, wParam, lParam, control.windowIndex, control.index, *control.record};
  switch (message) {
    case WM_SIZE: return onSize(m);
    case WM_ERASEBKGND: return onEraseBackground(m);
    case WM_SHOWWINDOW: return onShowWindow(m);
    case WM_DRAWITEM: return onDrawItem(m);
    case WM_WINDOWPOSCHANGING: notifyPositionChanging(container); return forward(m);
    case WM_NOTIFY: return onNotify(m);
    case WM_NCDESTROY: return onNcDestroy(m);
    case WM_COMMAND: return onCommand(m);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return onChildColour(m);
    default: return forward(m);
  }
}

void unregisterContainer(int windowIndex, int containerIndex) {
  SkinnedWindowRecord* window = skinnedWindowAt(windowIndex);
  const ContainerRecord* record = window ? window->containers.at(containerIndex) : nullptr;
  if (!record || !record->window) return;
  if (const WNDPROC previous = props::previousProcedure(record->window))
    SetWindowLongPtrA(record->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  window->containers.remove(containerIndex);
}

}  // namespace skin
