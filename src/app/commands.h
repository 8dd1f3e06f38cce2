#pragma once
// The commands behind the main window's clickable units, and the tool's message box.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace app {

// What skinnedMessageBox returns: the platform's result minus one.
enum class ButtonCode : int { failed = -1, ok = 0, cancel, abort, retry, ignore, yes, no };

// The system's only way of showing a message: the platform message box, skinned.
ButtonCode skinnedMessageBox(HWND owner, const std::string& text, UINT style,
                             std::optional<std::string> caption = std::nullopt);

void onShortenClicked();       // "[长转短]"
void onExpandClicked();        // "[短转长]"
void onCopyClicked();          // "复制"
void onContactLabelClicked();  // the contact label: nothing

// The address to request for what the user typed: used as typed when it already has
// an "http://" or "https://" scheme (any letter case), else with "http://" in front.
std::string withScheme(std::string_view typed);

// What was typed without the white space (spaces, tabs, CR, LF) around it.
std::string trimmedInput(std::string_view typed);
// Whether the address starts with a scheme ("ftp://") other than http and https.
bool hasOtherScheme(std::string_view address);

// Puts UTF-8 text on the clipboard as Unicode text. Retries for about 100 ms while
// another program holds the clipboard; false when it never became free, and the
// clipboard then keeps what it held.
bool putTextOnClipboard(std::string_view text);

// The message for a failed shortening, from why the client's last request failed;
// empty for a request cancelled because the window is closing.
std::string shortenFailureMessage();

}  // namespace app
