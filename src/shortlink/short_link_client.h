#pragma once
// Client of the Sina Weibo short-link web API, and the short-to-long request.
// Requests go through the platform's scriptable HTTP components by late binding.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shortlink/request_wait.h"

namespace shortlink {

// noReply: no connection or no complete reply; timedOut: no reply within the client's
// request timeout; cancelled: the wait was cancelled (the window is closing).
enum class FailureKind { none, noReply, timedOut, cancelled, serviceError, noShortLink };

struct RequestFailure {            // why the last request operation failed
  FailureKind kind = FailureKind::none;
  std::string error;               // the reply's "error" text (JSON escapes decoded), serviceError only
  std::string errorCode;           // the reply's "error_code" as text (number or string), serviceError only
  long httpStatus = 0;             // the reply's status, serviceError only
};

class ShortLinkClient {
 public:
  static constexpr const char* defaultApiBase = "https://api.weibo.com";
  static constexpr const char* defaultShortLinkPrefix = "http://t.cn/";

  explicit ShortLinkClient(std::string apiBase = defaultApiBase,
                           std::string shortLinkPrefix = defaultShortLinkPrefix,
                           std::chrono::milliseconds requestTimeout = defaultRequestTimeout);
  virtual ~ShortLinkClient();
  ShortLinkClient(const ShortLinkClient&);             // the copy: its own copy of the key
  ShortLinkClient& operator=(const ShortLinkClient&);

  virtual void setAppKey(std::string_view key);
  const std::string& appKey() const;
  // How long one request may take, connecting and replying together.
  std::chrono::milliseconds requestTimeout() const;

  // Each request operation records in lastFailure() why it failed, or none.
  // The short link only from a reply of status 200 whose JSON is complete and whose
  // first entry's "url_short" is the short-link prefix and a short code; else empty.
  virtual std::string shorten(std::string_view longAddress);
  virtual std::string expand(std::string_view shortLink);
  virtual std::string getCommentCounts(std::string_view shortLink);
  virtual std::string getComments(std::string_view shortLink);        // the whole reply
  virtual std::string getShareStatuses(std::string_view shortLink);   // the whole reply
  virtual std::string getShareCounts(std::string_view shortLink);

  // The reply body through "Microsoft.XMLHTTP"; an empty method means "GET". Empty bytes
  // both for an empty body and for no reply; the request operations tell them apart.
  // The request runs asynchronously while the thread's messages are handled, and is
  // aborted at the request timeout.
  virtual std::vector<std::uint8_t> httpGet(std::string_view address,
                                            std::optional<std::string_view> method = {},
                                            std::optional<std::string_view> body = {});

  // The text between the first startMarker (searched from startPosition, 1-based) and the
  // next endMarker; empty when either is missing. Positions are byte positions; the
  // search steps over two-byte characters whole.
  virtual std::string textBetween(std::string_view source, std::string_view startMarker,
                                  std::string_view endMarker,
                                  std::optional<int> startPosition = {}, int* foundLength = nullptr,
                                  std::optional<int> maxLength = {}, int* foundPosition = nullptr,
                                  int rejectLonger = 0);

  const RequestFailure& lastFailure() const;

 protected:
  // httpGet through the component named by progId.
  std::vector<std::uint8_t> httpGetThrough(std::string_view progId, std::string_view address,
                                           std::optional<std::string_view> method,
                                           std::optional<std::string_view> body);

 private:
  struct ReplyText {
    long status = 0;
    std::string text;  // the body up to its first zero byte
  };
  // The reply of one API request; nullopt (and why recorded) when none arrived.
  std::optional<ReplyText> requestReply(std::string_view path, std::string_view queryKey,
                                        std::string_view argument);
  // The text after fieldMarker up to the next quote, recording the failure when missing.
  std::string requestField(std::string_view path, std::string_view queryKey,
                           std::string_view argument, std::string_view fieldMarker);
  std::string requestWholeReply(std::string_view path, std::string_view argument);

  struct ReplyOutcome {
    FailureKind failure = FailureKind::none;  // none: a reply arrived
    long status = 0;
  };

  std::string apiBase_;
  std::string shortLinkPrefix_;
  std::string appKey_;
  std::chrono::milliseconds requestTimeout_;
  RequestFailure lastFailure_;
  // How the last httpGet ended; unset until an httpGet of this class runs.
  std::optional<ReplyOutcome> lastReply_;
};

// The short-to-long request: WinHttp "GET", Option(6) = 0, "Send" with no body, run
// asynchronously while the thread's messages are handled and aborted at the timeout.
struct RedirectReply {
  bool replied = false;
  FailureKind failure = FailureKind::noReply;  // none once replied
  long status = 0;
  std::string location;  // whole, zero characters inside it included
};
RedirectReply requestWithoutRedirect(std::string_view address,
                                     std::chrono::milliseconds timeout = defaultRequestTimeout);

// Whether a redirect's Location may be shown as the long address: an absolute http or
// https address of at most 8,192 bytes without control characters.
bool isShowableRedirectTarget(std::string_view location);
// Whether the text is the prefix followed by 1 to 32 of [0-9A-Za-z_-].
bool isShortLink(std::string_view text, std::string_view prefix);

// Every byte outside A-Z a-z 0-9 - . _ ~ becomes %XX (upper-case hex), each byte once.
std::string encodeQueryValue(std::string_view value);

}  // namespace shortlink
