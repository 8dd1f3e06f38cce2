#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "shortlink/short_link_client.h"
#include "support/fake_http_server.h"

namespace shortlink {
namespace {

using test_support::FakeHttpServer;
using test_support::FakeResponse;

constexpr const char* appKey = "5820461937";
constexpr const char* shortenPath = "/2/short_url/shorten.json";
constexpr const char* expandPath = "/2/short_url/expand.json";
constexpr const char* shareCountsPath = "/2/short_url/share/counts.json";

// Replies as the service gives them.
constexpr const char* shortenSuccess =
    R"({"urls":[{"result":true,"url_short":"http://t.cn/h5ef4","url_long":"http://www.google.com/","object_type":"webpage","type":39,"object_id":"3000001411:ff90821feeb2b02a33a6f9fc8e5f3fcd"}]})";
constexpr const char* shortenFailedEntry =
    R"({"urls":[{"url_short":"","url_long":"http://finance.sina.com.cn/","type":0,"result":"false"}]})";
constexpr const char* missingKeyError =
    R"({"error":"source paramter(appkey) is missing","error_code":10006,"request":"/2/short_url/expand.json"})";
constexpr const char* expandSuccess =
    R"({"urls":[{"result":true,"url_short":"http://t.cn/h5ef4","url_long":"http://www.google.com/","transcode":0,"type":39}]})";
constexpr const char* shareCountsSuccess =
    R"({"urls":[{"url_short":"http://t.cn/h4DwT1","url_long":"http://finance.sina.com.cn/","share_counts":"108"}]})";

class ShortLinkService : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    client.setAppKey(appKey);
  }
  FakeHttpServer server;
  ShortLinkClient client{server.baseUrl(), "http://t.cn/"};
};

TEST_F(ShortLinkService, EachOperationRequestsItsPathWithKeyAndArgument) {
  using Operation = std::function<std::string(ShortLinkClient&)>;
  const std::string link = "http://t.cn/h5ef4";
  const std::string encodedLink = "http%3A%2F%2Ft.cn%2Fh5ef4";
  const struct {
    Operation operation;
    std::string path;
    std::string query;
  } cases[] = {
      {[&](ShortLinkClient& c) { return c.shorten("http://www.google.com/"); }, shortenPath,
       "source=5820461937&url_long=http%3A%2F%2Fwww.google.com%2F"},
      {[&](ShortLinkClient& c) { return c.expand(link); }, expandPath,
       "source=5820461937&url_short=" + encodedLink},
      {[&](ShortLinkClient& c) { return c.getCommentCounts(link); },
       "/2/short_url/comment/counts.json", "source=5820461937&url_short=" + encodedLink},
      {[&](ShortLinkClient& c) { return c.getComments(link); },
       "/2/short_url/comment/comments.json", "source=5820461937&url_short=" + encodedLink},
      {[&](ShortLinkClient& c) { return c.getShareStatuses(link); },
       "/2/short_url/share/statuses.json", "source=5820461937&url_short=" + encodedLink},
      {[&](ShortLinkClient& c) { return c.getShareCounts(link); }, shareCountsPath,
       "source=5820461937&url_short=" + encodedLink},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const size_t before = server.requests().size();
    c.operation(client);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), before + 1);
    EXPECT_EQ(requests.back().method, "GET");
    EXPECT_EQ(requests.back().path, c.path);
    EXPECT_EQ(requests.back().query, c.query);
  }
}

TEST_F(ShortLinkService, KeyAndArgumentArriveWholeWhateverTheyHold) {
  client.setAppKey("k&y=1");
  client.shorten("http://a.com/?q=1&r=中 文+x#top");
  ShortLinkClient withoutKey(server.baseUrl(), "http://t.cn/");
  withoutKey.shorten("%26");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].query,
            "source=k%26y%3D1&url_long=http%3A%2F%2Fa.com%2F%3Fq%3D1%26r%3D%E4%B8%AD%20%E6%96%87%2Bx%23top");
  EXPECT_EQ(requests[1].query, "source=&url_long=%2526");
}

struct ReplyCase {
  const char* name;
  FakeResponse reply;
  std::string expected;
  FailureKind failure;
  std::string error = {};
  std::string errorCode = {};
};

// One client answers every case in turn, so a failure left over from the case before
// would show.
void expectReplies(ShortLinkClient& client, FakeHttpServer& server, const char* path,
                   const std::function<std::string()>& operation, const std::vector<ReplyCase>& cases) {
  for (const ReplyCase& c : cases) {
    SCOPED_TRACE(c.name);
    server.route(path, c.reply);
    EXPECT_EQ(operation(), c.expected);
    EXPECT_EQ(client.lastFailure().kind, c.failure);
    EXPECT_EQ(client.lastFailure().error, c.error);
    EXPECT_EQ(client.lastFailure().errorCode, c.errorCode);
  }
}

TEST_F(ShortLinkService, ShortenFindsTheShortLinkOrSaysWhyNot) {
  const std::string missingKeyMessage = "source paramter(appkey) is missing";
  expectReplies(client, server, shortenPath, [&] { return client.shorten("http://www.google.com/"); },
                {
                    {"success", {200, shortenSuccess}, "http://t.cn/h5ef4", FailureKind::none},
                    {"failed entry", {200, shortenFailedEntry}, "", FailureKind::noShortLink},
                    {"service error with a numeric code", {200, missingKeyError}, "",
                     FailureKind::serviceError, missingKeyMessage, "10006"},
                    {"success after an error", {200, shortenSuccess}, "http://t.cn/h5ef4",
                     FailureKind::none},
                    {"service error with a text code", {200, R"({"error":"x","error_code":"10006"})"},
                     "", FailureKind::serviceError, "x", "10006"},
                    {"escapes in the error are decoded",
                     {200, R"({"error":"\u53c2\u6570 \"url\" \\ bad","error_code":21321})"}, "",
                     FailureKind::serviceError, "参数 \"url\" \\ bad", "21321"},
                    {"error status with an error body", {403, missingKeyError}, "",
                     FailureKind::serviceError, missingKeyMessage, "10006"},
                    {"truncated error is no service error",
                     {200, R"({"error":"source paramter(appkey) is missing","error_code":10006)"}, "",
                     FailureKind::noShortLink},
                    {"not JSON", {200, "<html>error_code</html>"}, "", FailureKind::noShortLink},
                    {"empty body", {200, ""}, "", FailureKind::noShortLink},
                    {"prefix followed at once by a quote", {200, R"({"url_short":"http://t.cn/"})"}, "",
                     FailureKind::noShortLink},
                    {"a quote inside the code", {200, R"({"urls":[{"url_short":"http://t.cn/ab\"c"}]})"}, "",
                     FailureKind::noShortLink},
                    {"reply cut at a zero byte",
                     {200, std::string("{\"x\":\"\0\",\"url_short\":\"http://t.cn/h5ef4\"}", 41)}, "",
                     FailureKind::noShortLink},
                });
}

TEST_F(ShortLinkService, FieldRequestsFindTheirFieldOrSayWhyNot) {
  expectReplies(client, server, expandPath, [&] { return client.expand("http://t.cn/h5ef4"); },
                {
                    {"expand success", {200, expandSuccess}, "http://www.google.com/", FailureKind::none},
                    {"expand service error", {200, missingKeyError}, "", FailureKind::serviceError,
                     "source paramter(appkey) is missing", "10006"},
                    {"expand without the field", {200, R"({"urls":[]})"}, "", FailureKind::noShortLink},
                });
  expectReplies(client, server, shareCountsPath, [&] { return client.getShareCounts("http://t.cn/h4DwT1"); },
                {
                    {"share counts", {200, shareCountsSuccess}, "108", FailureKind::none},
                    {"share counts missing", {200, shortenSuccess}, "", FailureKind::noShortLink},
                });
  expectReplies(client, server, "/2/short_url/comment/counts.json",
                [&] { return client.getCommentCounts("http://t.cn/h4DwT1"); },
                {
                    {"comment counts", {200, R"({"urls":[{"url_short":"http://t.cn/h4DwT1","comment_counts":"5"}]})"},
                     "5", FailureKind::none},
                });
}

TEST_F(ShortLinkService, WholeReplyRequestsReturnTheBodyAndFlagServiceErrors) {
  const char* commentsPath = "/2/short_url/comment/comments.json";
  const std::string comments = R"({"url_short":"http://t.cn/h4DwT1","comments":[]})";
  expectReplies(client, server, commentsPath, [&] { return client.getComments("http://t.cn/h4DwT1"); },
                {
                    {"comments", {200, comments}, comments, FailureKind::none},
                    {"service error body", {200, missingKeyError}, missingKeyError,
                     FailureKind::serviceError, "source paramter(appkey) is missing", "10006"},
                    {"empty body is a reply", {404, ""}, "", FailureKind::none},
                });
  server.route("/2/short_url/share/statuses.json", {200, "[1]"});
  EXPECT_EQ(client.getShareStatuses("http://t.cn/h4DwT1"), "[1]");
  EXPECT_EQ(client.lastFailure().kind, FailureKind::none);
}

TEST(ShortLinkClientWithoutService, EveryRequestReportsNoReply) {
  ShortLinkClient client(test_support::closedPortUrl(), "http://t.cn/");
  client.setAppKey(appKey);
  const std::function<std::string()> operations[] = {
      [&] { return client.shorten("http://www.google.com/"); },
      [&] { return client.expand("http://t.cn/h5ef4"); },
      [&] { return client.getComments("http://t.cn/h5ef4"); },
      [&] { return client.getShareCounts("http://t.cn/h5ef4"); },
  };
  for (const auto& operation : operations) {
    EXPECT_EQ(operation(), "");
    EXPECT_EQ(client.lastFailure().kind, FailureKind::noReply);
  }
}

// Code built on the client may replace httpGet; its bytes alone then tell whether a reply came.
class CannedClient : public ShortLinkClient {
 public:
  using ShortLinkClient::ShortLinkClient;
  std::vector<std::uint8_t> httpGet(std::string_view address, std::optional<std::string_view>,
                                    std::optional<std::string_view>) override {
    lastAddress = address;
    return std::vector<std::uint8_t>(reply.begin(), reply.end());
  }
  std::string reply;
  std::string lastAddress;
};

TEST(ShortLinkClientWithOwnHttpGet, UsesTheBytesItReturns) {
  CannedClient client("https://api.example", "http://t.cn/");
  client.reply = shortenSuccess;
  EXPECT_EQ(client.shorten("http://www.google.com/"), "http://t.cn/h5ef4");
  EXPECT_EQ(client.lastAddress,
            "https://api.example/2/short_url/shorten.json?source=&url_long=http%3A%2F%2Fwww.google.com%2F");
  EXPECT_EQ(client.lastFailure().kind, FailureKind::none);
  client.reply.clear();
  EXPECT_EQ(client.shorten("http://www.google.com/"), "");
  EXPECT_EQ(client.lastFailure().kind, FailureKind::noReply);
}

TEST(ShortLinkClientCopy, HasItsOwnKeyAndTheSameService) {
  FakeHttpServer server;
  ASSERT_TRUE(server.listening());
  server.route(shortenPath, {200, shortenSuccess});
  ShortLinkClient original(server.baseUrl(), "http://t.cn/");
  original.setAppKey("first");
  ShortLinkClient copy(original);
  copy.setAppKey("second");
  EXPECT_EQ(original.appKey(), "first");
  EXPECT_EQ(copy.shorten("http://www.google.com/"), "http://t.cn/h5ef4");

  ShortLinkClient assigned;
  assigned = original;
  original.setAppKey("third");
  EXPECT_EQ(assigned.appKey(), "first");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].query.rfind("source=second&", 0), 0u);
}

TEST(ReplyChecks, OnlyAShortCodeAfterThePrefixIsAShortLink) {
  const struct {
    std::string text;
    bool shortLink;
  } cases[] = {
      {"http://t.cn/h5ef4", true},
      {"http://t.cn/A-z_09", true},
      {"http://t.cn/" + std::string(32, 'a'), true},
      {"http://t.cn/" + std::string(33, 'a'), false},
      {"http://t.cn/", false},
      {"http://t.cn/h5/ef4", false},
      {"http://t.cn/h5\r\n", false},
      {std::string("http://t.cn/h5\0", 15), false},
      {"http://t.cn/h5%41", false},
      {"https://t.cn/h5ef4", false},
      {" http://t.cn/h5ef4", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isShortLink(c.text, "http://t.cn/"), c.shortLink) << c.text;
}

TEST(ReplyChecks, OnlyAnAbsoluteWebAddressIsAShowableRedirectTarget) {
  const std::string host = "http://example.com/";
  const struct {
    std::string location;
    bool showable;
  } cases[] = {
      {"http://www.google.com/", true},
      {"HTTPS://example.com/a?b=1#c", true},
      {host + std::string(8192 - host.size(), 'a'), true},
      {host + std::string(8193 - host.size(), 'a'), false},
      {host + std::string(100 << 10, 'a'), false},
      {"http://example.com/a\rb", false},
      {"http://example.com/a\nSet-Cookie: x=1", false},
      {std::string("http://example.com/a\0b", 22), false},
      {"http://example.com/\x1f", false},
      {"http://example.com/\x7f", false},
      {"http://example.com/\t", false},
      {"/relative/path", false},
      {"//example.com/", false},
      {"http://", false},
      {"http:///path", false},
      {"javascript:alert(1)", false},
      {"ftp://example.com/", false},
      {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(isShowableRedirectTarget(c.location), c.showable) << c.location.substr(0, 60);
}

}  // namespace
}  // namespace shortlink
