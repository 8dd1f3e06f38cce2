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
constexpr char noAnswerMessage[] = "短链接服务没有响应";
constexpr char emptyInputMessage[] = "网址不能为空";
constexpr char unsupportedSchemeMessage[] = "只能转换 http 或 https 网址";
constexpr char notExpandableMessage[] = "这不是可展开的短链接";
constexpr char noticeCaption[] = "提示";

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isSchemeCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
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
  skinnedMessageBox(mainWindow().window, text, MB_OK, std::move(caption));
}

}  // namespace

ButtonCode skinnedMessageBox(HWND owner, const std::string& text, UINT style, std::optional<std::string> caption) {
  skin::installMessageBoxHook();
  constexpr WORD defaultLanguage = 0;
  const int result = MessageBoxExA(owner, text.c_str(), caption ? caption->c_str() : nullptr, style, defaultLanguage);
  return static_cast<ButtonCode>(result - 1);
}

std::string withScheme(std::string_view typed) {
  if (startsWithIgnoringCase(typed, "http://") || startsWithIgnoringCase(typed, "https://"))
    return std::string(typed);
  return "http://" + std::string(typed);
}

bool putTextOnClipboard(std::string_view text) {
  // The text is made ready first: a failure then leaves the clipboard as it was.
  const std::wstring wide = draw::toWideText(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!block) return false;
  if (void* memory = GlobalLock(block)) {
    std::memcpy(memory, wide.c_str(), bytes);
    GlobalUnlock(block);
  } else {
    GlobalFree(block);
    return false;
  }
  if (!openClipboardPatiently()) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  if (!placed) GlobalFree(block);  // the clipboard owns the block only once it took it
  CloseClipboard();
  return placed;
}

std::string trimmedInput(std::string_view typed) {
  while (!typed.empty() && isBlank(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && isBlank(typed.back())) typed.remove_suffix(1);
  return std::string(typed);
}

bool hasOtherScheme(std::string_view address) {
  const size_t separator = address.find("://");
  if (separator == std::string_view::npos || separator == 0) return false;
  const std::string_view scheme = address.substr(0, separator);
  if (!std::isalpha(static_cast<unsigned char>(scheme.front())) ||
      !std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter))
    return false;
  return !startsWithIgnoringCase(address, "http://") && !startsWithIgnoringCase(address, "https://");
}

std::string serviceErrorMessage(const shortlink::RequestFailure& failure) {
  std::string detail = failure.error;
  if (!failure.errorCode.empty()) detail += detail.empty() ? failure.errorCode : "（" + failure.errorCode + "）";
  if (detail.empty()) detail = "HTTP " + std::to_string(failure.httpStatus);
  return "短链接服务返回错误：" + detail;
}

std::string shortenFailureMessage() {
  const shortlink::RequestFailure& failure = shortLinkClient().lastFailure();
  switch (failure.kind) {
    case shortlink::FailureKind::noReply:
      return cannotConnectMessage;
    case shortlink::FailureKind::timedOut:
      return noAnswerMessage;
    case shortlink::FailureKind::cancelled:
      return {};  // the window is closing: nobody is left to tell
    case shortlink::FailureKind::serviceError:
      return serviceErrorMessage(failure);
    default:
      return "短链接服务没有返回短链接";
  }
}

namespace {

// The address to request for the input box, or nullopt once the user was told why not.
std::optional<std::string> addressFromInput() {
  const std::string typed = trimmedInput(skin::windowText(mainWindow().inputBox));
  if (typed.empty()) {
    showMessage(emptyInputMessage);
    return std::nullopt;
  }
  if (hasOtherScheme(typed)) {
    showMessage(unsupportedSchemeMessage);
    return std::nullopt;
  }
  return withScheme(typed);
}

}  // namespace

void onShortenClicked() {
  const std::optional<std::string> address = addressFromInput();
  if (!address) return;
  const std::string shortLink = shortLinkClient().shorten(*address);
  if (shortLink.empty()) {
    const std::string message = shortenFailureMessage();
    if (!message.empty()) showMessage(message.c_str());
    return;
  }
  SetWindowTextA(mainWindow().resultBox, shortLink.c_str());
}

void onExpandClicked() {
  const std::optional<std::string> address = addressFromInput();
  if (!address) return;
  const shortlink::RedirectReply reply =
      shortlink::requestWithoutRedirect(*address, shortLinkClient().requestTimeout());
  if (reply.failure == shortlink::FailureKind::cancelled) return;
  if (reply.failure == shortlink::FailureKind::timedOut) {
    showMessage(noAnswerMessage);
  } else if (!reply.replied) {
    showMessage(cannotConnectMessage);
  } else if (isRedirectStatus(reply.status) && shortlink::isShowableRedirectTarget(reply.location)) {
    SetWindowTextA(mainWindow().resultBox, reply.location.c_str());
  } else {
    showMessage(notExpandableMessage);
  }
}

void onCopyClicked() {
  const std::string result = skin::windowText(mainWindow().resultBox);
  if (result.empty())
    showMessage("结果框里没有可复制的网址", noticeCaption);
  else if (putTextOnClipboard(result))
    showMessage("网址已复制好", noticeCaption);
  else
    showMessage("复制失败，剪贴板正被其他程序占用", noticeCaption);
}

void onContactLabelClicked() {}

}  // namespace app
