#include <gtest/gtest.h>

#include <string>

#include "shortlink/short_link_client.h"
#include "support/fake_http_server.h"

namespace shortlink {
namespace {

using test_support::FakeHttpServer;

std::string textOf(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class ClientWithComponentChoice : public ShortLinkClient {
 public:
  using ShortLinkClient::httpGetThrough;
};

class HttpGet : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.listening()); }
  FakeHttpServer server;
  ShortLinkClient client;
};

TEST_F(HttpGet, SendsAGetWithTheToolsHeadersAndReturnsTheBody) {
  server.route("/page", {200, "hello"});
  EXPECT_EQ(textOf(client.httpGet(server.baseUrl() + "/page?x=1&y=%26")), "hello");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].path, "/page");
  EXPECT_EQ(requests[0].query, "x=1&y=%26");
  EXPECT_EQ(requests[0].header("Accept"), "text/html, application/xhtml+xml, */*");
  EXPECT_EQ(requests[0].header("User-Agent"),
            "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.1 (KHTML, like Gecko) "
            "Chrome/21.0.1180.92 Safari/537.1 LBBROWSER");
}

TEST_F(HttpGet, SendsTheGivenMethodAndBody) {
  server.route("/form", {200, "taken"});
  EXPECT_EQ(textOf(client.httpGet(server.baseUrl() + "/form", "POST", "a=1&b=中文")), "taken");
  EXPECT_EQ(textOf(client.httpGet(server.baseUrl() + "/form", "", {})), "taken");

  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].method, "POST");
  EXPECT_EQ(requests[0].body, "a=1&b=中文");
  EXPECT_EQ(requests[1].method, "GET") << "an empty method means GET";
}

TEST_F(HttpGet, AnErrorStatusStillGivesItsBody) {
  server.route("/missing", {404, "no such page"});
  EXPECT_EQ(textOf(client.httpGet(server.baseUrl() + "/missing")), "no such page");
}

TEST_F(HttpGet, ABodyWithAZeroByteComesBackWhole) {
  const std::string body("ab\0cd", 5);
  server.route("/zero", {200, body});
  EXPECT_EQ(textOf(client.httpGet(server.baseUrl() + "/zero")), body);
}

TEST_F(HttpGet, AClosedPortGivesEmptyBytes) {
  EXPECT_TRUE(client.httpGet(test_support::closedPortUrl() + "/page").empty());
}

TEST_F(HttpGet, AComponentThatCannotBeCreatedSendsNothing) {
  server.route("/page", {200, "hello"});
  ClientWithComponentChoice chooser;
  EXPECT_TRUE(chooser.httpGetThrough("No.Such.Component", server.baseUrl() + "/page", {}, {}).empty());
  EXPECT_TRUE(server.requests().empty());
  // The same seam with the real component does reach the server.
  EXPECT_EQ(textOf(chooser.httpGetThrough("Microsoft.XMLHTTP", server.baseUrl() + "/page", {}, {})),
            "hello");
}

TEST(RequestWithoutRedirect, LeavesARedirectUnfollowed) {
  FakeHttpServer server;
  ASSERT_TRUE(server.listening());
  const std::string target = server.baseUrl() + "/long/address";
  server.route("/h5ef4", {302, "", {{"Location", target}}});
  server.route("/long/address", {200, "arrived"});

  const RedirectReply reply = requestWithoutRedirect(server.baseUrl() + "/h5ef4");
  EXPECT_TRUE(reply.replied);
  EXPECT_EQ(reply.status, 302);
  EXPECT_EQ(reply.location, target);
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].path, "/h5ef4");
}

TEST(RequestWithoutRedirect, ReportsAnAnswerWithoutLocationAndNoAnswer) {
  FakeHttpServer server;
  ASSERT_TRUE(server.listening());
  server.route("/plain", {200, "body"});
  const RedirectReply plain = requestWithoutRedirect(server.baseUrl() + "/plain");
  EXPECT_TRUE(plain.replied);
  EXPECT_EQ(plain.status, 200);
  EXPECT_EQ(plain.location, "");

  const RedirectReply none = requestWithoutRedirect(test_support::closedPortUrl() + "/h5ef4");
  EXPECT_FALSE(none.replied);
  EXPECT_EQ(none.status, 0);
}

}  // namespace
}  // namespace shortlink
