// Requests that take too long or are given up: the thread keeps handling its messages
// while it waits, and the wait ends at the deadline or when cancelled.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "shortlink/request_wait.h"
#include "shortlink/short_link_client.h"
#include "support/fake_http_server.h"
#include "support/test_windows.h"

namespace shortlink {
namespace {

using namespace std::chrono_literals;
using test_support::FakeHttpServer;

constexpr UINT probeMessage = WM_APP + 1;
constexpr auto testTimeout = 400ms;

// A window whose probe message runs the given action, to see what a wait handles.
class ProbeWindow {
 public:
  explicit ProbeWindow(std::function<void()> action) : action_(std::move(action)) {
    window_ = CreateWindowExA(0, testing_support::testWindowClass("RequestWaitProbe", procedure), "", 0, 0, 0, 10,
                              10, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~ProbeWindow() { DestroyWindow(window_); }
  void post() const { PostMessageA(window_, probeMessage, 0, 0); }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ProbeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == probeMessage && self) {
      self->action_();
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
  std::function<void()> action_;
  HWND window_;
};

class SlowService : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    server.route("/2/short_url/shorten.json", {.neverAnswers = true});
    server.route("/h5ef4", {.neverAnswers = true});
  }
  FakeHttpServer server;
};

// A service that never answers, and a host whose TLS never completes: each request
// ends at the deadline, and what is posted meanwhile is handled during the wait.
TEST_F(SlowService, EveryRequestEndsAtTheDeadlineWhileMessagesAreHandled) {
  const struct {
    const char* name;
    std::function<FailureKind()> request;
  } cases[] = {
      {"shorten, no answer",
       [&] {
         ShortLinkClient client(server.baseUrl(), "http://t.cn/", testTimeout);
         EXPECT_EQ(client.shorten("http://example.com/"), "");
         return client.lastFailure().kind;
       }},
      {"shorten, no TLS",
       [&] {
         ShortLinkClient client(server.tlsUrl(), "http://t.cn/", testTimeout);
         EXPECT_EQ(client.shorten("http://example.com/"), "");
         return client.lastFailure().kind;
       }},
      {"short to long, no answer",
       [&] { return requestWithoutRedirect(server.baseUrl() + "/h5ef4", testTimeout).failure; }},
      {"short to long, no TLS", [&] { return requestWithoutRedirect(server.tlsUrl() + "/h5ef4", testTimeout).failure; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool handledDuringTheRequest = false;
    ProbeWindow probe([&] { handledDuringTheRequest = requestInProgress(); });
    probe.post();
    EXPECT_EQ(c.request(), FailureKind::timedOut);
    EXPECT_TRUE(handledDuringTheRequest);
    EXPECT_FALSE(requestInProgress());
  }
}

TEST_F(SlowService, ACancelEndsTheRequestAtOnce) {
  ShortLinkClient client(server.baseUrl(), "http://t.cn/", 60s);
  ProbeWindow canceller([] { cancelRequestInProgress(); });
  canceller.post();
  EXPECT_EQ(client.shorten("http://example.com/"), "");
  EXPECT_EQ(client.lastFailure().kind, FailureKind::cancelled);

  canceller.post();
  EXPECT_EQ(requestWithoutRedirect(server.baseUrl() + "/h5ef4", 60s).failure, FailureKind::cancelled);
}

TEST_F(SlowService, AQuitEndsTheRequestAndIsLeftForTheCallersLoop) {
  PostQuitMessage(7);
  EXPECT_EQ(waitHandlingMessages(60s, [] { return false; }), WaitOutcome::cancelled);
  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST(RequestWait, EndsAsSoonAsTheRequestIsComplete) {
  int looks = 0;
  EXPECT_EQ(waitHandlingMessages(60s, [&] { return ++looks == 3; }), WaitOutcome::completed);
  EXPECT_EQ(looks, 3);
  // A cancel made when nothing waits is not kept for the next wait.
  cancelRequestInProgress();
  EXPECT_EQ(waitHandlingMessages(60s, [] { return true; }), WaitOutcome::completed);
}

}  // namespace
}  // namespace shortlink
