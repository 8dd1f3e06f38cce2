#pragma once
// The tool's one window and its units, built from the form description below.

#include <windows.h>

#include <array>

#include "app/commands.h"

namespace app {

// Handles of the main window and its units, named by their roles; the form's own names
// are a column of mainWindowUnits.
struct MainWindow {
  HWND window = nullptr;
  HWND contactLabel = nullptr;  // the maker's contact line
  HWND copyButton = nullptr;    // "复制"
  HWND shortenButton = nullptr; // "[长转短]"
  HWND schemeLabel = nullptr;   // the fixed "http://" in front of the input box
  HWND resultBox = nullptr;
  HWND expandButton = nullptr;  // "[短转长]"
  HWND inputBox = nullptr;      // an address typed without its scheme
};

enum class UnitKind { label, transparentLabel, pushButton, singleLineEdit, multiLineEdit };

// One unit of the form; coordinates are client coordinates of the main window.
struct UnitDescription {
  const char* formName;  // the name the form gives it
  HWND MainWindow::*handle;
  UnitKind kind;
  int id;  // the child-window identifier its WM_COMMAND notifications carry
  int left, top, width, height;
  const char* text;
  void (*onClicked)();  // null for a unit that is not clicked
};

inline constexpr int mainWindowWidth = 489;
inline constexpr int mainWindowHeight = 225;
inline constexpr char mainWindowClassName[] = "ShortLinkToolMainWindow";
inline constexpr char labelClassName[] = "ShortLinkToolLabel";
inline constexpr char mainWindowCaption[] = "新浪短网址转换工具 · 短链工作室出品";

// The units in the order the form stores them.
inline constexpr std::array<UnitDescription, 7> mainWindowUnits{{
    {"标签1", &MainWindow::contactLabel, UnitKind::label, 101, 176, 192, 152, 24, "反馈：dev@example.com",
     onContactLabelClicked},
    {"按钮3", &MainWindow::copyButton, UnitKind::pushButton, 102, 416, 192, 56, 24, "复制", onCopyClicked},
    {"按钮2", &MainWindow::shortenButton, UnitKind::pushButton, 103, 392, 40, 56, 24, "[长转短]", onShortenClicked},
    {"透明标签2", &MainWindow::schemeLabel, UnitKind::transparentLabel, 104, 16, 32, 88, 40, "http://", nullptr},
    {"编辑框2", &MainWindow::resultBox, UnitKind::multiLineEdit, 105, 8, 80, 464, 104, "", nullptr},
    {"按钮1", &MainWindow::expandButton, UnitKind::pushButton, 106, 320, 40, 56, 24, "[短转长]", onExpandClicked},
    {"编辑框1", &MainWindow::inputBox, UnitKind::singleLineEdit, 107, 72, 42, 235, 20, "", nullptr},
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
