#pragma once
// The tool's one window and its units, built from the form description below.

#include <windows.h>

#include <array>

namespace app {

// Handles of the main window and its units, named as the form names them.
struct MainWindow {
  HWND window = nullptr;
  HWND 标签1 = nullptr;      // the maker's contact line
  HWND 按钮3 = nullptr;      // "复制"
  HWND 按钮2 = nullptr;      // "[长转短]"
  HWND 透明标签2 = nullptr;  // the fixed "http://" in front of the input box
  HWND 编辑框2 = nullptr;    // the result box
  HWND 按钮1 = nullptr;      // "[短转长]"
  HWND 编辑框1 = nullptr;    // the input box
};

enum class UnitKind { label, transparentLabel, pushButton, singleLineEdit, multiLineEdit };

// One unit of the form; coordinates are client coordinates of the main window.
struct UnitDescription {
  HWND MainWindow::*handle;
  UnitKind kind;
  int id;  // the child-window identifier its WM_COMMAND notifications carry
  int left, top, width, height;
  const char* text;
};

inline constexpr int mainWindowWidth = 489;
inline constexpr int mainWindowHeight = 225;
inline constexpr char mainWindowClassName[] = "ShortLinkToolMainWindow";
inline constexpr char labelClassName[] = "ShortLinkToolLabel";
inline constexpr char mainWindowCaption[] = "新浪短网址转换工具 · 短链工作室出品";

// The units in the order the form stores them.
inline constexpr std::array<UnitDescription, 7> mainWindowUnits{{
    {&MainWindow::标签1, UnitKind::label, 101, 176, 192, 152, 24, "反馈：dev@example.com"},
    {&MainWindow::按钮3, UnitKind::pushButton, 102, 416, 192, 56, 24, "复制"},
    {&MainWindow::按钮2, UnitKind::pushButton, 103, 392, 40, 56, 24, "[长转短]"},
    {&MainWindow::透明标签2, UnitKind::transparentLabel, 104, 16, 32, 88, 40, "http://"},
    {&MainWindow::编辑框2, UnitKind::multiLineEdit, 105, 8, 80, 464, 104, ""},
    {&MainWindow::按钮1, UnitKind::pushButton, 106, 320, 40, 56, 24, "[短转长]"},
    {&MainWindow::编辑框1, UnitKind::singleLineEdit, 107, 72, 42, 235, 20, ""},
}};

// The one main window of the process (empty handles before createMainWindow).
MainWindow& mainWindow();

// Where the window opens: centred on a screen of the given size, halves rounded toward zero.
POINT centredOrigin(int screenWidth, int screenHeight);

// Creates the main window and its units, then runs onMainWindowCreated. The window is
// not shown yet. Returns the window handle, or null when it could not be created.
HWND createMainWindow(HINSTANCE instance);

// Runs once the window and all its units exist: the skin, then the client's key.
void onMainWindowCreated();

inline constexpr char applicationKey[] = "5820461937";

}  // namespace app
