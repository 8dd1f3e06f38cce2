#include "draw/tool_tip_helper.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace draw {

namespace {

// The first-version record: understood by every comctl32, with or without a
// version 6 manifest.
TTTOOLINFOA toolRecord(HWND owner, UINT_PTR id) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = owner;
  tool.uId = id;
  return tool;
}

// comctl32 registers all its window classes as it loads, a noticeable part of the
// tool's start-up; it is loaded when the first tool tip is made, not with the program.
// It stays loaded: the windows of its classes outlive any one helper.
void registerToolTipClass() {
  using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  static const auto initCommonControls = reinterpret_cast<InitProc>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("comctl32.dll"), "InitCommonControlsEx")));
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
  if (initCommonControls) initCommonControls(&classes);
}

}  // namespace

ToolTipHelper::ToolTipHelper(ToolTipHelper&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

ToolTipHelper& ToolTipHelper::operator=(ToolTipHelper&& other) noexcept {
  if (this != &other) {
    destroy();
    window_ = std::exchange(other.window_, nullptr);
    owner_ = std::exchange(other.owner_, nullptr);
  }
  return *this;
}

ToolTipHelper::~ToolTipHelper() { destroy(); }

HWND ToolTipHelper::create(HWND owner, bool balloon) {
  destroy();
  registerToolTipClass();
  owner_ = owner;
  const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window_) SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, 600);
  return window_;
}

bool ToolTipHelper::addToolWithText(UINT_PTR id, std::optional<RECT> rect, char* text) {
  if (!window_) return false;
  TTTOOLINFOA tool = toolRecord(owner_, id);
  tool.uFlags = TTF_SUBCLASS;
  if (rect) {
    tool.rect = *rect;
  } else {
    GetClientRect(owner_, &tool.rect);
  }
  tool.lpszText = text;
  return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

bool ToolTipHelper::addTool(UINT_PTR id, std::optional<RECT> rect, std::string_view text) {
  std::string copy(text);  // the control copies the text; it needs a terminated one
  return addToolWithText(id, rect, copy.data());
}

bool ToolTipHelper::addCallbackTool(UINT_PTR id, std::optional<RECT> rect) {
  return addToolWithText(id, rect, LPSTR_TEXTCALLBACKA);
}

void ToolTipHelper::setBackgroundColour(COLORREF colour) {
  if (window_) SendMessageA(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void ToolTipHelper::setTextColour(COLORREF colour) {
  if (window_) SendMessageA(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

int ToolTipHelper::setMaxWidth(int width) {
  if (!window_) return 0;
  return static_cast<int>(SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, width));
}

void ToolTipHelper::deleteTool(UINT_PTR id) {
  if (!window_) return;
  TTTOOLINFOA tool = toolRecord(owner_, id);
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

int ToolTipHelper::toolCount() const {
  if (!window_) return 0;
  return static_cast<int>(SendMessageA(window_, TTM_GETTOOLCOUNT, 0, 0));
}

void ToolTipHelper::setToolRect(UINT_PTR id, const RECT& rect) {
  if (!window_) return;
  TTTOOLINFOA tool = toolRecord(owner_, id);
  tool.rect = rect;
  SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTipHelper::setToolText(UINT_PTR id, std::string_view text) {
  if (!window_) return;
  std::string copy(text);
  TTTOOLINFOA tool = toolRecord(owner_, id);
  tool.lpszText = copy.data();
  SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTipHelper::destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
  owner_ = nullptr;
}

}  // namespace draw
