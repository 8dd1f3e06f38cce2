#pragma once
// A platform tool-tip window ("ToolTips_class32") with tools on one owner window.
// The window is destroyed with the helper.

#include <windows.h>

#include <optional>
#include <string_view>

namespace draw {

class ToolTipHelper {
 public:
  ToolTipHelper() = default;
  ToolTipHelper(const ToolTipHelper&) = delete;
  ToolTipHelper& operator=(const ToolTipHelper&) = delete;
  ToolTipHelper(ToolTipHelper&& other) noexcept;
  ToolTipHelper& operator=(ToolTipHelper&& other) noexcept;
  ~ToolTipHelper();

  // Creates the tool-tip window for owner (destroying one made before); null on failure.
  HWND create(HWND owner, bool balloon = false);
  // A tool over rect, the owner's client rectangle when not given.
  bool addTool(UINT_PTR id, std::optional<RECT> rect, std::string_view text);
  // A tool whose text the owner supplies through TTN_GETDISPINFO when it is shown.
  bool addCallbackTool(UINT_PTR id, std::optional<RECT> rect = std::nullopt);
  void setBackgroundColour(COLORREF colour);
  void setTextColour(COLORREF colour);
  // Returns the previous maximum width.
  int setMaxWidth(int width);
  void deleteTool(UINT_PTR id);
  int toolCount() const;
  void setToolRect(UINT_PTR id, const RECT& rect);
  void setToolText(UINT_PTR id, std::string_view text);
  HWND window() const { return window_; }
  HWND owner() const { return owner_; }
  void destroy();

 private:
  bool addToolWithText(UINT_PTR id, std::optional<RECT> rect, char* text);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace draw
