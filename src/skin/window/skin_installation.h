#pragma once
// Taking over a top-level window: its record, title buttons, control skins and procedure.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/core/skinned_window_record.h"

namespace skin {

struct InstallOptions {
  std::optional<int> captionHeight;
  std::optional<int> titleBar;
  std::optional<int> resizable;
  std::optional<int> helpButton;
  std::optional<int> menuButton;
  std::optional<int> showTitle;
  std::optional<int> captionBand;
  std::optional<int> statusBarHeight;
  std::vector<StatusPart> statusParts;
  std::vector<std::uint8_t> ownPicture;
  std::optional<int> ownPictureMode;
  std::optional<int> captionBandColour;
  std::optional<int> captionBandAlpha;
  std::optional<int> noCloseButton;
};

void installSkin(HWND window, const InstallOptions& options = {});
// 1 when the window's "Hw_lbID" names a record (the effect is stored), else 0.
int setCloseEffect(HWND window, int effect);
// Releases what the record owns, puts the previous procedure back and renumbers.
void uninstallSkin(HWND window);
void layoutTitleButtons(SkinnedWindowRecord& record);
void layoutTitleButtons(int windowIndex);
void layoutStatusBar(SkinnedWindowRecord& record);
void layoutStatusBar(int windowIndex);

// The resize border, the inset of the status bar and of the caption icon.
inline int frameMargin = 3;

}  // namespace skin
