#include "shortlink/short_link_client.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include <nlohmann/json.hpp>

#include "shortlink/automation.h"
#include "shortlink/text_search.h"

namespace shortlink {

namespace {

constexpr const char* xmlHttpProgId = "Microsoft.XMLHTTP";
constexpr const char* winHttpProgId = "WinHttp.WinHttpRequest.5.1";
constexpr const char* acceptHeaderValue = "text/html, application/xhtml+xml, */*";
constexpr const char* userAgentHeaderValue =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.1 (KHTML, like Gecko) "
    "Chrome/21.0.1180.92 Safari/537.1 LBBROWSER";
constexpr const char* quote = "\"";

constexpr long httpOk = 200;

struct HttpReply {
  FailureKind failure = FailureKind::noReply;  // none: a reply arrived, though its body may be empty
  long status = 0;
  std::vector<std::uint8_t> body;
};

FailureKind failureOfWait(WaitOutcome outcome) {
  return outcome == WaitOutcome::cancelled ? FailureKind::cancelled : FailureKind::timedOut;
}

long integerProperty(IDispatch* object, std::string_view name) {
  const std::optional<Variant> value = getProperty(object, name);
  return value ? integerOf(value->get()).value_or(0) : 0;
}

// Status values of "Microsoft.XMLHTTP" from 12000 up are the network layer's own
// errors (12029: cannot connect), not a reply of the service.
bool isReplyStatus(long status) { return status > 0 && status < 12000; }

// One request made synchronously, on whatever thread calls it.
HttpReply fetchSynchronously(const std::string& progId, const std::string& address, const std::string& verb,
                             const std::string& body) {
  HttpReply reply;
  const ComPtr<IDispatch> request = createObject(progId);
  if (!request) return reply;
  // A failing step is not fatal on its own; a request that cannot go out fails at "send".
  constexpr bool asynchronous = false;
  callMethod(request.get(), "open", byReference(verb), byReference(address), asynchronous);
  callMethod(request.get(), "SetRequestHeader", "Accept", acceptHeaderValue);
  callMethod(request.get(), "SetRequestHeader", "User-Agent", userAgentHeaderValue);
  // The body goes by value: a by-reference text is not taken as a body by every version
  // of the component, and is then silently dropped.
  if (!callMethod(request.get(), "send", body)) return reply;
  reply.status = integerProperty(request.get(), "status");
  if (!isReplyStatus(reply.status)) return reply;
  reply.failure = FailureKind::none;
  if (const std::optional<Variant> bytes = getProperty(request.get(), "responseBody")) {
    reply.body = bytesOf(bytes->get());
  }
  return reply;
}

// The request runs synchronously on a thread of its own while this thread handles its
// messages. (In their asynchronous modes under Wine, "Microsoft.XMLHTTP" never completes
// a request whose connection failed, and WinHttp's WaitForResponse handles this
// thread's messages itself, a WM_QUIT among them.) A request given up at the deadline or
// by a cancel is left to end on its own.
HttpReply fetchReply(std::string_view progId, std::string_view address, std::optional<std::string_view> method,
                     std::optional<std::string_view> body, std::chrono::milliseconds timeout) {
  auto reply = std::make_shared<HttpReply>();
  const WaitOutcome outcome = runHandlingMessages(
      timeout, [reply, progId = std::string(progId), address = std::string(address),
                verb = method && !method->empty() ? std::string(*method) : std::string("GET"),
                body = std::string(body.value_or(""))] { *reply = fetchSynchronously(progId, address, verb, body); });
  if (outcome != WaitOutcome::completed) {
    HttpReply unanswered;
    unanswered.failure = failureOfWait(outcome);
    return unanswered;
  }
  return std::move(*reply);
}

// The reply as text: its bytes up to the first zero byte.
std::string textUpToZero(const std::vector<std::uint8_t>& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return std::string(bytes.begin(), end);
}

std::string jsonValueText(const nlohmann::json& value) {
  if (value.is_string()) return value.get_ref<const std::string&>();
  if (value.is_null()) return {};
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// A JSON object carrying "error" or "error_code" is the service's refusal, and so is
// any status other than 200; anything else (not JSON, cut short, or without them) is
// `otherwise`.
RequestFailure failureOfReply(std::string_view reply, long status, FailureKind otherwise) {
  RequestFailure failure;
  failure.kind = otherwise;
  const nlohmann::json parsed = nlohmann::json::parse(reply.begin(), reply.end(), nullptr, false);
  if (parsed.is_object()) {
    const auto error = parsed.find("error");
    const auto errorCode = parsed.find("error_code");
    if (error != parsed.end() || errorCode != parsed.end()) {
      failure.kind = FailureKind::serviceError;
      if (error != parsed.end()) failure.error = jsonValueText(*error);
      if (errorCode != parsed.end()) failure.errorCode = jsonValueText(*errorCode);
    }
  }
  if (status != httpOk) failure.kind = FailureKind::serviceError;
  if (failure.kind == FailureKind::serviceError) failure.httpStatus = status;
  return failure;
}

// The "url_short" of the reply's first entry, when the reply is complete JSON.
std::optional<std::string> firstEntryShortLink(std::string_view reply) {
  const nlohmann::json parsed = nlohmann::json::parse(reply.begin(), reply.end(), nullptr, false);
  if (!parsed.is_object()) return std::nullopt;
  const auto urls = parsed.find("urls");
  if (urls == parsed.end() || !urls->is_array() || urls->empty() || !urls->front().is_object()) return std::nullopt;
  const auto shortLink = urls->front().find("url_short");
  if (shortLink == urls->front().end() || !shortLink->is_string()) return std::nullopt;
  return shortLink->get<std::string>();
}

bool isShortCodeCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '-';
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

ShortLinkClient::ShortLinkClient(std::string apiBase, std::string shortLinkPrefix,
                                 std::chrono::milliseconds requestTimeout)
    : apiBase_(std::move(apiBase)), shortLinkPrefix_(std::move(shortLinkPrefix)), requestTimeout_(requestTimeout) {}

ShortLinkClient::~ShortLinkClient() = default;
ShortLinkClient::ShortLinkClient(const ShortLinkClient&) = default;
ShortLinkClient& ShortLinkClient::operator=(const ShortLinkClient&) = default;

void ShortLinkClient::setAppKey(std::string_view key) { appKey_ = key; }

const std::string& ShortLinkClient::appKey() const { return appKey_; }

const RequestFailure& ShortLinkClient::lastFailure() const { return lastFailure_; }

std::chrono::milliseconds ShortLinkClient::requestTimeout() const { return requestTimeout_; }

std::string ShortLinkClient::shorten(std::string_view longAddress) {
  const std::optional<ReplyText> reply = requestReply("/2/short_url/shorten.json", "url_long", longAddress);
  if (!reply) return {};
  if (reply->status == httpOk) {
    const std::optional<std::string> shortLink = firstEntryShortLink(reply->text);
    if (shortLink && isShortLink(*shortLink, shortLinkPrefix_)) {
      lastFailure_ = RequestFailure{};
      return *shortLink;
    }
  }
  lastFailure_ = failureOfReply(reply->text, reply->status, FailureKind::noShortLink);
  return {};
}

std::string ShortLinkClient::expand(std::string_view shortLink) {
  return requestField("/2/short_url/expand.json", "url_short", shortLink, "\"url_long\":\"");
}

std::string ShortLinkClient::getCommentCounts(std::string_view shortLink) {
  return requestField("/2/short_url/comment/counts.json", "url_short", shortLink,
                      "\"comment_counts\":\"");
}

std::string ShortLinkClient::getComments(std::string_view shortLink) {
  return requestWholeReply("/2/short_url/comment/comments.json", shortLink);
}

std::string ShortLinkClient::getShareStatuses(std::string_view shortLink) {
  return requestWholeReply("/2/short_url/share/statuses.json", shortLink);
}

std::string ShortLinkClient::getShareCounts(std::string_view shortLink) {
  return requestField("/2/short_url/share/counts.json", "url_short", shortLink,
                      "\"share_counts\":\"");
}

std::vector<std::uint8_t> ShortLinkClient::httpGet(std::string_view address,
                                                   std::optional<std::string_view> method,
                                                   std::optional<std::string_view> body) {
  return httpGetThrough(xmlHttpProgId, address, method, body);
}

std::vector<std::uint8_t> ShortLinkClient::httpGetThrough(std::string_view progId,
                                                          std::string_view address,
                                                          std::optional<std::string_view> method,
                                                          std::optional<std::string_view> body) {
  HttpReply reply = fetchReply(progId, address, method, body, requestTimeout_);
  lastReply_ = ReplyOutcome{reply.failure, reply.status};
  return std::move(reply.body);
}

std::string ShortLinkClient::textBetween(std::string_view source, std::string_view startMarker,
                                         std::string_view endMarker,
                                         std::optional<int> startPosition, int* foundLength,
                                         std::optional<int> maxLength, int* foundPosition,
                                         int rejectLonger) {
  const size_t searchFrom = static_cast<size_t>(std::max(startPosition.value_or(1), 1));
  const unsigned codePage = GetACP();
  const size_t start = findMarker(source, startMarker, searchFrom, codePage);
  if (start == 0) return {};
  const size_t contentPosition = start + startMarker.size();
  if (foundPosition) *foundPosition = static_cast<int>(contentPosition);

  const size_t end = findMarker(source, endMarker, contentPosition, codePage);
  if (end == 0) return {};
  const size_t contentLength = end - contentPosition;
  if (foundLength) *foundLength = static_cast<int>(contentLength);

  if (rejectLonger != 0 && contentLength > static_cast<size_t>(std::max(maxLength.value_or(0), 0))) {
    return {};
  }
  std::string content(source.substr(contentPosition - 1, contentLength));
  if (maxLength) content.resize(std::min(content.size(), static_cast<size_t>(std::max(*maxLength, 0))));
  return content;
}

std::optional<ShortLinkClient::ReplyText> ShortLinkClient::requestReply(std::string_view path,
                                                                        std::string_view queryKey,
                                                                        std::string_view argument) {
  std::string address = apiBase_;
  address.append(path).append("?source=").append(encodeQueryValue(appKey_));
  address.append("&").append(queryKey).append("=").append(encodeQueryValue(argument));

  // An httpGet of a derived class may not say whether a reply came; its bytes then decide.
  lastReply_.reset();
  const std::vector<std::uint8_t> bytes = httpGet(address);
  const ReplyOutcome outcome =
      lastReply_.value_or(bytes.empty() ? ReplyOutcome{FailureKind::noReply, 0} : ReplyOutcome{FailureKind::none, httpOk});
  if (outcome.failure != FailureKind::none) {
    lastFailure_ = RequestFailure{outcome.failure, {}, {}, 0};
    return std::nullopt;
  }
  return ReplyText{outcome.status, textUpToZero(bytes)};
}

std::string ShortLinkClient::requestField(std::string_view path, std::string_view queryKey,
                                          std::string_view argument,
                                          std::string_view fieldMarker) {
  const std::optional<ReplyText> reply = requestReply(path, queryKey, argument);
  if (!reply) return {};
  std::string field = textBetween(reply->text, fieldMarker, quote);
  lastFailure_ = field.empty() ? failureOfReply(reply->text, reply->status, FailureKind::noShortLink) : RequestFailure{};
  return field;
}

std::string ShortLinkClient::requestWholeReply(std::string_view path, std::string_view argument) {
  std::optional<ReplyText> reply = requestReply(path, "url_short", argument);
  if (!reply) return {};
  // A whole reply is given back whatever its status: only the service's own refusal counts.
  lastFailure_ = failureOfReply(reply->text, httpOk, FailureKind::none);
  return std::move(reply->text);
}

namespace {

RedirectReply requestWithoutRedirectHere(const std::string& address, std::chrono::milliseconds timeout) {
  RedirectReply reply;
  const ComPtr<IDispatch> request = createObject(winHttpProgId);
  if (!request) return reply;
  constexpr int enableRedirectsOption = 6;
  constexpr bool asynchronous = false;
  const int timeoutMs = static_cast<int>(timeout.count());
  callMethod(request.get(), "Open", "GET", address, asynchronous);
  constexpr int redirectsNotFollowed = 0;
  setProperty(request.get(), "Option", enableRedirectsOption, redirectsNotFollowed);
  // So that a request given up by the caller also ends on its own.
  callMethod(request.get(), "SetTimeouts", timeoutMs, timeoutMs, timeoutMs, timeoutMs);
  if (!callMethod(request.get(), "Send")) return reply;
  reply.status = integerProperty(request.get(), "Status");
  if (reply.status <= 0) return reply;
  reply.replied = true;
  reply.failure = FailureKind::none;
  if (const std::optional<Variant> location = callMethod(request.get(), "GetResponseHeader", "Location")) {
    reply.location = wholeTextOf(location->get());
  }
  return reply;
}

}  // namespace

RedirectReply requestWithoutRedirect(std::string_view address, std::chrono::milliseconds timeout) {
  auto reply = std::make_shared<RedirectReply>();
  const WaitOutcome outcome =
      runHandlingMessages(timeout, [reply, address = std::string(address), timeout] {
        *reply = requestWithoutRedirectHere(address, timeout);
      });
  if (outcome != WaitOutcome::completed) {
    RedirectReply unanswered;
    unanswered.failure = failureOfWait(outcome);
    return unanswered;
  }
  return std::move(*reply);
}

bool isShowableRedirectTarget(std::string_view location) {
  constexpr size_t longestTarget = 8192;
  if (location.size() > longestTarget) return false;
  const bool control = std::any_of(location.begin(), location.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
  if (control) return false;
  for (const std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
    if (startsWithIgnoringCase(location, scheme) && location.size() > scheme.size() && location[scheme.size()] != '/')
      return true;
  }
  return false;
}

bool isShortLink(std::string_view text, std::string_view prefix) {
  constexpr size_t longestCode = 32;
  if (prefix.empty() || !text.starts_with(prefix)) return false;
  const std::string_view code = text.substr(prefix.size());
  return !code.empty() && code.size() <= longestCode && std::all_of(code.begin(), code.end(), isShortCodeCharacter);
}

std::string encodeQueryValue(std::string_view value) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(value.size());
  for (const char character : value) {
    const auto byte = static_cast<unsigned char>(character);
    const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                            byte == '_' || byte == '~';
    if (unreserved) {
      encoded.push_back(character);
    } else {
      encoded.push_back('%');
      encoded.push_back(hexDigits[byte >> 4]);
      encoded.push_back(hexDigits[byte & 0x0F]);
    }
  }
  return encoded;
}

}  // namespace shortlink
