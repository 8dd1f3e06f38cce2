#include "shortlink/short_link_client.h"

#include <algorithm>

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

struct HttpReply {
  bool replied = false;  // "send" succeeded: a reply arrived, though its body may be empty
  std::vector<std::uint8_t> body;
};

HttpReply fetchReply(std::string_view progId, std::string_view address,
                     std::optional<std::string_view> method, std::optional<std::string_view> body) {
  HttpReply reply;
  const ComPtr<IDispatch> request = createObject(progId);
  if (!request) return reply;
  const std::string_view verb = method && !method->empty() ? *method : std::string_view("GET");
  // A failing step is not fatal on its own; a request that cannot go out fails at "send".
  callMethod(request.get(), "open", byReference(verb), byReference(address), false);
  callMethod(request.get(), "SetRequestHeader", "Accept", acceptHeaderValue);
  callMethod(request.get(), "SetRequestHeader", "User-Agent", userAgentHeaderValue);
  // The body goes by value: a by-reference text is not taken as a body by every version
  // of the component, and is then silently dropped.
  reply.replied = callMethod(request.get(), "send", body.value_or("")).has_value();
  if (const std::optional<Variant> bytes = getProperty(request.get(), "responseBody")) {
    reply.body = bytesOf(bytes->get());
  }
  return reply;
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

// A JSON object carrying "error" or "error_code" is the service's refusal; anything else
// (not JSON, cut short, or without them) is `otherwise`.
RequestFailure failureOfReply(std::string_view reply, FailureKind otherwise) {
  const nlohmann::json parsed = nlohmann::json::parse(reply.begin(), reply.end(), nullptr, false);
  if (parsed.is_object()) {
    const auto error = parsed.find("error");
    const auto errorCode = parsed.find("error_code");
    if (error != parsed.end() || errorCode != parsed.end()) {
      RequestFailure failure;
      failure.kind = FailureKind::serviceError;
      if (error != parsed.end()) failure.error = jsonValueText(*error);
      if (errorCode != parsed.end()) failure.errorCode = jsonValueText(*errorCode);
      return failure;
    }
  }
  RequestFailure failure;
  failure.kind = otherwise;
  return failure;
}

}  // namespace

ShortLinkClient::ShortLinkClient(std::string apiBase, std::string shortLinkPrefix)
    : apiBase_(std::move(apiBase)), shortLinkPrefix_(std::move(shortLinkPrefix)) {}

ShortLinkClient::~ShortLinkClient() = default;
ShortLinkClient::ShortLinkClient(const ShortLinkClient&) = default;
ShortLinkClient& ShortLinkClient::operator=(const ShortLinkClient&) = default;

void ShortLinkClient::setAppKey(std::string_view key) { appKey_ = key; }

const std::string& ShortLinkClient::appKey() const { return appKey_; }

const RequestFailure& ShortLinkClient::lastFailure() const { return lastFailure_; }

std::string ShortLinkClient::shorten(std::string_view longAddress) {
  const std::string code =
      requestField("/2/short_url/shorten.json", "url_long", longAddress, shortLinkPrefix_);
  return code.empty() ? std::string() : shortLinkPrefix_ + code;
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
  HttpReply reply = fetchReply(progId, address, method, body);
  lastReplyArrived_ = reply.replied;
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

std::optional<std::string> ShortLinkClient::requestReply(std::string_view path,
                                                         std::string_view queryKey,
                                                         std::string_view argument) {
  std::string address = apiBase_;
  address.append(path).append("?source=").append(encodeQueryValue(appKey_));
  address.append("&").append(queryKey).append("=").append(encodeQueryValue(argument));

  // An httpGet of a derived class may not say whether a reply came; its bytes then decide.
  lastReplyArrived_.reset();
  const std::vector<std::uint8_t> bytes = httpGet(address);
  if (!lastReplyArrived_.value_or(!bytes.empty())) {
    lastFailure_ = RequestFailure{FailureKind::noReply, {}, {}};
    return std::nullopt;
  }
  return textUpToZero(bytes);
}

std::string ShortLinkClient::requestField(std::string_view path, std::string_view queryKey,
                                          std::string_view argument,
                                          std::string_view fieldMarker) {
  const std::optional<std::string> reply = requestReply(path, queryKey, argument);
  if (!reply) return {};
  std::string field = textBetween(*reply, fieldMarker, quote);
  lastFailure_ = field.empty() ? failureOfReply(*reply, FailureKind::noShortLink) : RequestFailure{};
  return field;
}

std::string ShortLinkClient::requestWholeReply(std::string_view path, std::string_view argument) {
  std::optional<std::string> reply = requestReply(path, "url_short", argument);
  if (!reply) return {};
  lastFailure_ = failureOfReply(*reply, FailureKind::none);
  return std::move(*reply);
}

RedirectReply requestWithoutRedirect(std::string_view address) {
  RedirectReply reply;
  const ComPtr<IDispatch> request = createObject(winHttpProgId);
  if (!request) return reply;
  constexpr int enableRedirectsOption = 6;
  callMethod(request.get(), "Open", "GET", address, false);
  setProperty(request.get(), "Option", enableRedirectsOption, 0);
  reply.replied = callMethod(request.get(), "Send").has_value();
  if (!reply.replied) return reply;
  if (const std::optional<Variant> status = getProperty(request.get(), "Status")) {
    reply.status = integerOf(status->get()).value_or(0);
  }
  if (const std::optional<Variant> location =
          callMethod(request.get(), "GetResponseHeader", "Location")) {
    reply.location = textOf(location->get());
  }
  return reply;
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
