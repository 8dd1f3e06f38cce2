#pragma once
// Client of the Sina Weibo short-link web API, and the short-to-long request.
// Requests go through the platform's scriptable HTTP components by late binding.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shortlink {

enum class FailureKind { none, noReply, serviceError, noShortLink };

struct RequestFailure {            // why the last request operation failed
  FailureKind kind = FailureKind::none;
  std::string error;               // the reply's "error" text (JSON escapes decoded), serviceError only
  std::string errorCode;           // the reply's "error_code" as text (number or string), serviceError only
};

class ShortLinkClient {
 public:
  static constexpr const char* defaultApiBase = "https://api.weibo.com";
  static constexpr const char* defaultShortLinkPrefix = "http://t.cn/";

  explicit ShortLinkClient(std::string apiBase = defaultApiBase,
                           std::string shortLinkPrefix = defaultShortLinkPrefix);
  virtual ~ShortLinkClient();
  ShortLinkClient(const ShortLinkClient&);             // the copy: its own copy of the key
  ShortLinkClient& operator=(const ShortLinkClient&);

  virtual void setAppKey(std::string_view key);
  const std::string& appKey() const;

  // Each request operation records in lastFailure() why it failed, or none.
  virtual std::string shorten(std::string_view longAddress);   // empty when no short link came
  virtual std::string expand(std::string_view shortLink);
  virtual std::string getCommentCounts(std::string_view shortLink);
  virtual std::string getComments(std::string_view shortLink);        // the whole reply
  virtual std::string getShareStatuses(std::string_view shortLink);   // the whole reply
  virtual std::string getShareCounts(std::string_view shortLink);

  // The reply body through "Microsoft.XMLHTTP"; an empty method means "GET". Empty bytes
  // both for an empty body and for no reply; the request operations tell them apart.
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
  // The reply text of one API request; nullopt (and noReply recorded) when none arrived.
  std::optional<std::string> requestReply(std::string_view path, std::string_view queryKey,
                                          std::string_view argument);
  // The text after fieldMarker up to the next quote, recording the failure when missing.
  std::string requestField(std::string_view path, std::string_view queryKey,
                           std::string_view argument, std::string_view fieldMarker);
  std::string requestWholeReply(std::string_view path, std::string_view argument);

  std::string apiBase_;
  std::string shortLinkPrefix_;
  std::string appKey_;
  RequestFailure lastFailure_;
  // Whether the last httpGet got a reply; unset until an httpGet of this class runs.
  std::optional<bool> lastReplyArrived_;
};

// The short-to-long request: WinHttp "GET", synchronous, Option(6) = 0, "Send" with no body.
struct RedirectReply { bool replied = false; long status = 0; std::string location; };
RedirectReply requestWithoutRedirect(std::string_view address);

// Every byte outside A-Z a-z 0-9 - . _ ~ becomes %XX (upper-case hex), each byte once.
std::string encodeQueryValue(std::string_view value);

}  // namespace shortlink
