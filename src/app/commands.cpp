#include "app/commands.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "app/startup.h"
#include "draw/text_conversion.h"
#include "shortlink/short_link_client.h"
#include "skin/core/window_helpers.h"
#include "skin/msgbox/message_box_skin.h"

namespace app {
namespace {

constexpr char cannotConnectMessage[] = "无法连接短链接服务";

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

bool isRedirectStatus(long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool openClipboardPatiently() {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(10);
  }
  return false;
}

void showMessage(const char* text, std::optional<std::string> caption = std::nullopt) {
  skinnedMessageBox(mainWindow().window, text, 0, std::move(caption));
}

}  // namespace

ButtonCode skinnedMessageBox(HWND owner, const std::string& text, UINT style, std::optional<std::string> caption) {
  skin::installMessageBoxHook();
  const int result = MessageBoxExA(owner, text.c_str(), caption ? caption->c_str() : nullptr, style, 0);
  return static_cast<ButtonCode>(result - 1);
}

std::string withScheme(std::string_view typed) {
  if (startsWithIgnoringCase(typed, "http://") || startsWithIgnoringCase(typed, "https://"))
    return std::string(typed);
  return "http://" + std::string(typed);
}

bool putTextOnClipboard(std::string_view text) {
  if (!openClipboardPatiently()) return false;
  EmptyClipboard();
  const std::wstring wide = draw::toWideText(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  bool placed = false;
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {
    if (void* memory = GlobalLock(block)) {
      std::memcpy(memory, wide.c_str(), bytes);
      GlobalUnlock(block);
      placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    }
    if (!placed) GlobalFree(block);  // the clipboard owns the block only once it took it
  }
  CloseClipboard();
  return placed;
}

std::string shortenFailureMessage() {
  const shortlink::RequestFailure& failure = shortLinkClient().lastFailure();
  switch (failure.kind) {
    case shortlink::FailureKind::noReply:
      return cannotConnectMessage;
    case shortlink::FailureKind::serviceError:
      return "短链接服务返回错误：" + failure.error + "（" + failure.errorCode + "）";
    default:
      return "短链接服务没有返回短链接";
  }
}

void onShortenClicked() {
  const MainWindow& form = mainWindow();
  const std::string typed = skin::windowText(form.编辑框1);
  if (typed.empty()) {
    showMessage("网址不能为空");
    return;
  }
  const std::string shortLink = shortLinkClient().shorten(withScheme(typed));
  if (shortLink.empty()) {
    showMessage(shortenFailureMessage().c_str());
    return;
  }
  SetWindowTextA(form.编辑框2, shortLink.c_str());
}

void onExpandClicked() {
  const MainWindow& form = mainWindow();
  const shortlink::RedirectReply reply = shortlink::requestWithoutRedirect(withScheme(skin::windowText(form.编辑框1)));
  if (!reply.replied) {
    showMessage(cannotConnectMessage);
  } else if (isRedirectStatus(reply.status) && !reply.location.empty()) {
    SetWindowTextA(form.编辑框2, reply.location.c_str());
  } else {
    showMessage("这不是可展开的短链接");
  }
}

void onCopyClicked() {
  if (putTextOnClipboard(skin::windowText(mainWindow().编辑框2)))
    showMessage("网址已复制好", "提示");
  else
    showMessage("复制失败，剪贴板正被其他程序占用", "提示");
}

void onContactLabelClicked() {}

}  // namespace app
