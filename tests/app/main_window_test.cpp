#include "app/main_window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

#include "app/commands.h"
#include "app/skin_activation.h"
#include "app/startup.h"
#include "support/fake_http_server.h"
#include "skin/core/skinned_window_record.h"
#include "support/message_box_watcher.h"
#include "support/pixels.h"
#include "support/test_windows.h"

namespace app {
namespace {

using test_support::FakeHttpServer;
using testing_support::MessageBoxWatcher;

std::string textOf(HWND window) {
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    const auto* wide = static_cast<const wchar_t*>(GlobalLock(block));
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    text.resize(length > 0 ? length - 1 : 0);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

// The real main window over a client aimed at the local fake service.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    createGlobalObjects(std::make_unique<shortlink::ShortLinkClient>(server.baseUrl()));
    initSkinModule();
    ASSERT_TRUE(createMainWindow(GetModuleHandleA(nullptr)));
    ShowWindow(mainWindow().window, SW_SHOWNOACTIVATE);
  }
  void TearDown() override {
    DestroyWindow(mainWindow().window);
    MSG quit;  // the main window's destruction asks the loop to end; this test has none
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    releaseGlobals();
  }

  const MainWindow& form() const { return mainWindow(); }
  void type(HWND edit, const char* text) { SetWindowTextA(edit, text); }

  FakeHttpServer server;
};

TEST_F(MainWindowTest, OpensCentredWithTheUnitsAtTheirPlaces) {
  RECT frame;
  GetWindowRect(form().window, &frame);
  const POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(frame.left, origin.x);
  EXPECT_EQ(frame.top, origin.y);
  EXPECT_EQ(frame.right - frame.left, 489);
  EXPECT_EQ(frame.bottom - frame.top, 225);
  const LONG_PTR style = GetWindowLongPtrA(form().window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));

  // The form as designed, found by place: a unit moved, resized or of another class
  // shows up here whatever the table the window is built from says.
  struct Unit {
    const char* windowClass;  // null: a class of the tool's own, which no control skin takes
    int left, top, width, height;
    const char* text;
  };
  const Unit design[] = {
      {nullptr, 176, 192, 152, 24, nullptr},     // the contact label, its text the maker's
      {"BUTTON", 416, 192, 56, 24, "复制"},
      {"BUTTON", 392, 40, 56, 24, "[长转短]"},
      {nullptr, 16, 32, 88, 40, "http://"},
      {"EDIT", 8, 80, 464, 104, ""},
      {"BUTTON", 320, 40, 56, 24, "[短转长]"},
      {"EDIT", 72, 42, 235, 20, ""},
  };
  for (const Unit& unit : design) {
    SCOPED_TRACE(testing::Message() << "the unit at " << unit.left << ", " << unit.top);
    HWND found = nullptr;
    for (HWND child = GetWindow(form().window, GW_CHILD); child && !found; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, form().window, reinterpret_cast<POINT*>(&r), 2);
      if (r.left == unit.left && r.top == unit.top && r.right - r.left == unit.width && r.bottom - r.top == unit.height)
        found = child;
    }
    ASSERT_NE(found, nullptr);
    char className[64] = {};
    GetClassNameA(found, className, sizeof className);
    if (unit.windowClass) {
      EXPECT_STRCASEEQ(className, unit.windowClass);
    } else {
      for (const char* skinned : {"BUTTON", "EDIT", "STATIC"}) EXPECT_STRCASENE(className, skinned);
    }
    if (unit.text) EXPECT_EQ(textOf(found), unit.text);
    EXPECT_EQ(SendMessageA(found, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  EXPECT_EQ(textOf(form().schemeLabel), "http://");
  EXPECT_EQ(textOf(form().inputBox), "");
  EXPECT_TRUE(GetWindowLongPtrA(form().schemeLabel, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  const LONG_PTR resultStyle = GetWindowLongPtrA(form().resultBox, GWL_STYLE);
  EXPECT_EQ(resultStyle & (ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL),
            ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL);
  EXPECT_FALSE(resultStyle & WS_HSCROLL);
  EXPECT_EQ(shortLinkClient().appKey(), applicationKey);
}

TEST(CentredOrigin, RoundsHalvesTowardZero) {
  EXPECT_EQ(centredOrigin(1024, 768).x, 267);
  EXPECT_EQ(centredOrigin(1024, 768).y, 271);
  EXPECT_EQ(centredOrigin(1920, 1080).x, 715);
  EXPECT_EQ(centredOrigin(1920, 1080).y, 427);
}

TEST_F(MainWindowTest, ShorteningWritesTheShortLinkAndSendsTheTypedAddressWhole) {
  server.route("/2/short_url/shorten.json",
               {200, R"({"urls":[{"result":true,"url_short":"http://t.cn/h5ef4","url_long":"http://www.google.com/"}]})"});
  type(form().resultBox, "previous result");
  type(form().inputBox, "example.com/a?x=1&y=中文#top");
  MessageBoxWatcher watcher;
  click(form().shortenButton);
  EXPECT_EQ(textOf(form().resultBox), "http://t.cn/h5ef4");
  EXPECT_TRUE(watcher.seen().empty());
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].path, "/2/short_url/shorten.json");
  EXPECT_EQ(server.requests()[0].query,
            "source=5820461937&url_long=http%3A%2F%2Fexample.com%2Fa%3Fx%3D1%26y%3D%E4%B8%AD%E6%96%87%23top");
}

TEST_F(MainWindowTest, AnAddressWithItsOwnSchemeIsNotGivenASecondOne) {
  server.route("/2/short_url/shorten.json", {200, R"({"urls":[{"url_short":"http://t.cn/abc"}]})"});
  type(form().inputBox, "HTTPS://secure.example.com/");
  click(form().shortenButton);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].query, "source=5820461937&url_long=HTTPS%3A%2F%2Fsecure.example.com%2F");
}

TEST(WithScheme, AddsHttpOnlyWhenTheInputHasNoScheme) {
  struct Case {
    const char* typed;
    const char* address;
  } cases[] = {
      {"example.com", "http://example.com"},
      {"http://example.com", "http://example.com"},
      {"Https://example.com", "Https://example.com"},
      {"", "http://"},
      {"  ", "http://  "},
      {"httpx://example.com", "http://httpx://example.com"},
      {"ftp://example.com", "http://ftp://example.com"},
  };
  for (const Case& c : cases) EXPECT_EQ(withScheme(c.typed), c.address) << c.typed;
}

struct FailureCase {
  const char* name;
  bool serviceReachable;
  test_support::FakeResponse reply;
  const char* message;
};

class ShortenFailureTest : public MainWindowTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ShortenFailureTest, ShowsWhyAndKeepsTheResultBox) {
  const FailureCase& c = GetParam();
  if (c.serviceReachable) {
    server.route("/2/short_url/shorten.json", c.reply);
  } else {
    shortLinkClient() = shortlink::ShortLinkClient(test_support::closedPortUrl());
  }
  type(form().resultBox, "kept");
  type(form().inputBox, "finance.sina.com.cn/");
  MessageBoxWatcher watcher;
  click(form().shortenButton);
  EXPECT_EQ(textOf(form().resultBox), "kept");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ShortenFailureTest,
    testing::Values(
        FailureCase{"NoService", false, {}, "无法连接短链接服务"},
        FailureCase{"ServiceError", true,
                    {400, R"({"error":"source paramter(appkey) is missing","error_code":10006,"request":"/2/short_url/shorten.json"})"},
                    "短链接服务返回错误：source paramter(appkey) is missing（10006）"},
        FailureCase{"ServiceErrorWithTextCode", true,
                    {200, R"({"error":"\u53c2\u6570\u9519\u8bef","error_code":"21322"})"},
                    "短链接服务返回错误：参数错误（21322）"},
        FailureCase{"FailedEntry", true,
                    {200, R"({"urls":[{"url_short":"","url_long":"http://finance.sina.com.cn/","type":0,"result":"false"}]})"},
                    "短链接服务没有返回短链接"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(MainWindowTest, AnInputThatIsNoAddressIsRefusedWithoutARequest) {
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {
      {"", "网址不能为空"},
      {" \t\r\n ", "网址不能为空"},
      {"ftp://example.com/file", "只能转换 http 或 https 网址"},
      {"  mailto://someone@example.com", "只能转换 http 或 https 网址"},
  };
  type(form().resultBox, "kept");
  for (const auto& c : cases) {
    for (HWND button : {form().shortenButton, form().expandButton}) {
      SCOPED_TRACE(std::string(c.typed) + (button == form().shortenButton ? " to short" : " to long"));
      type(form().inputBox, c.typed);
      MessageBoxWatcher watcher;
      click(button);
      ASSERT_EQ(watcher.seen().size(), 1u);
      EXPECT_EQ(watcher.seen()[0].text, c.message);
      EXPECT_EQ(textOf(form().resultBox), "kept");
    }
  }
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(MainWindowTest, WhiteSpaceAroundTheInputIsNotSent) {
  server.route("/2/short_url/shorten.json", {200, R"({"urls":[{"url_short":"http://t.cn/abc"}]})"});
  server.route("/h5ef4", {302, "", {{"Location", "http://www.google.com/"}}});
  MessageBoxWatcher watcher;
  type(form().inputBox, " \t example.com/a \r\n");
  click(form().shortenButton);
  const std::string paddedLink = "\t" + server.baseUrl().append("/h5ef4  ");
  type(form().inputBox, paddedLink.c_str());
  click(form().expandButton);
  ASSERT_EQ(server.requests().size(), 2u);
  EXPECT_EQ(server.requests()[0].query, "source=5820461937&url_long=http%3A%2F%2Fexample.com%2Fa");
  EXPECT_EQ(server.requests()[1].path, "/h5ef4");
  EXPECT_EQ(textOf(form().resultBox), "http://www.google.com/");
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(MainWindowTest, CopyWithAnEmptyResultBoxSaysSoAndLeavesTheClipboard) {
  ASSERT_TRUE(putTextOnClipboard("what was there"));
  type(form().resultBox, "");
  MessageBoxWatcher watcher;
  click(form().copyButton);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].caption, "提示");
  EXPECT_EQ(watcher.seen()[0].text, "结果框里没有可复制的网址");
  EXPECT_EQ(clipboardText(), "what was there");
}

TEST_F(MainWindowTest, CopyPutsTheResultOnTheClipboardAsUnicodeText) {
  type(form().resultBox, "http://t.cn/中文");
  MessageBoxWatcher watcher;
  click(form().copyButton);
  EXPECT_EQ(clipboardText(), "http://t.cn/中文");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].caption, "提示");
  EXPECT_EQ(watcher.seen()[0].text, "网址已复制好");
}

TEST_F(MainWindowTest, CopyWhileAnotherProgramHoldsTheClipboardSaysSo) {
  ASSERT_TRUE(putTextOnClipboard("before"));
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {  // stands for another program that holds the clipboard open
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    OpenClipboard(owner);
    SetEvent(opened);
    WaitForSingleObject(done, 5000);
    CloseClipboard();
    DestroyWindow(owner);
  });
  WaitForSingleObject(opened, 5000);
  type(form().resultBox, "http://t.cn/x");
  {
    MessageBoxWatcher watcher;
    click(form().copyButton);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].text, "复制失败，剪贴板正被其他程序占用");
  }
  SetEvent(done);
  holder.join();
  EXPECT_EQ(clipboardText(), "before") << "a failed copy left the clipboard changed";
  CloseHandle(opened);
  CloseHandle(done);
}

TEST_F(MainWindowTest, ShortToLongWritesTheRedirectTarget) {
  server.route("/h5ef4", {302, "", {{"Location", "http://www.google.com/"}}});
  type(form().inputBox, (server.baseUrl().substr(7) + "/h5ef4").c_str());
  MessageBoxWatcher watcher;
  click(form().expandButton);
  EXPECT_EQ(textOf(form().resultBox), "http://www.google.com/");
  EXPECT_TRUE(watcher.seen().empty());
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].method, "GET");
  EXPECT_EQ(server.requests()[0].path, "/h5ef4");
}

TEST_F(MainWindowTest, ShortToLongOnAPageThatIsNoShortLinkSaysSo) {
  server.route("/page", {200, "<html></html>"});
  type(form().resultBox, "kept");
  type(form().inputBox, (server.baseUrl().substr(7) + "/page").c_str());
  MessageBoxWatcher watcher;
  click(form().expandButton);
  EXPECT_EQ(textOf(form().resultBox), "kept");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "这不是可展开的短链接");
}

TEST_F(MainWindowTest, ShortToLongWithoutAServiceSaysItCannotConnect) {
  type(form().inputBox, test_support::closedPortUrl().substr(7).c_str());
  MessageBoxWatcher watcher;
  click(form().expandButton);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "无法连接短链接服务");
}

using namespace std::chrono_literals;

struct SilentServiceCase {
  const char* name;
  bool shorten;  // else short to long
  bool tls;      // a host whose TLS never completes, else one that never answers
};

void PrintTo(const SilentServiceCase& c, std::ostream* out) { *out << c.name; }

class SilentServiceTest : public MainWindowTest, public testing::WithParamInterface<SilentServiceCase> {};

// While the request waits, a second click and typing are posted: the click starts
// nothing, the typing is handled, and the request ends with its message at the deadline.
TEST_P(SilentServiceTest, TheRequestEndsAtTheDeadlineAndTheWindowKeepsAnswering) {
  const SilentServiceCase& c = GetParam();
  server.route("/2/short_url/shorten.json", {.neverAnswers = true});
  server.route("/h5ef4", {.neverAnswers = true});
  const std::string host = c.tls ? server.tlsUrl() : server.baseUrl();
  shortLinkClient() = shortlink::ShortLinkClient(host, "http://t.cn/", 500ms);
  type(form().resultBox, "kept");
  type(form().inputBox, c.shorten ? "example.com/" : (host + "/h5ef4").c_str());
  HWND button = c.shorten ? form().shortenButton : form().expandButton;

  MessageBoxWatcher watcher;
  PostMessageA(button, BM_CLICK, 0, 0);
  PostMessageA(form().inputBox, WM_CHAR, '!', 0);
  click(button);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, "短链接服务没有响应");
  EXPECT_EQ(textOf(form().resultBox), "kept");
  EXPECT_NE(textOf(form().inputBox).find('!'), std::string::npos) << "the typing was not handled";
  if (!c.tls) {
    EXPECT_EQ(server.requests().size(), 1u) << "the second click sent a second request";
  }
}

INSTANTIATE_TEST_SUITE_P(Requests, SilentServiceTest,
                         testing::Values(SilentServiceCase{"ShortenNoAnswer", true, false},
                                         SilentServiceCase{"ShortenNoTls", true, true},
                                         SilentServiceCase{"ShortToLongNoAnswer", false, false},
                                         SilentServiceCase{"ShortToLongNoTls", false, true}),
                         [](const testing::TestParamInfo<SilentServiceCase>& info) { return info.param.name; });

TEST_F(MainWindowTest, ClosingDuringARequestEndsItAndClosesTheWindow) {
  server.route("/2/short_url/shorten.json", {.neverAnswers = true});
  server.route("/h5ef4", {.neverAnswers = true});
  for (const bool shorten : {true, false}) {
    SCOPED_TRACE(shorten ? "shorten" : "short to long");
    if (!IsWindow(form().window)) SetUp();
    // Long enough that only the close can have ended the request without a message.
    shortLinkClient() = shortlink::ShortLinkClient(server.baseUrl(), "http://t.cn/", 5s);
    type(form().inputBox, shorten ? "example.com/" : (server.baseUrl() + "/h5ef4").c_str());
    HWND window = form().window;
    MessageBoxWatcher watcher;
    PostMessageA(window, WM_CLOSE, 0, 0);
    click(shorten ? form().shortenButton : form().expandButton);
    EXPECT_TRUE(watcher.seen().empty());
    testing_support::pumpMessages();
    EXPECT_FALSE(IsWindow(window));
  }
}

struct HostileReplyCase {
  const char* name;
  bool shorten;  // else short to long, whose reply is the redirect
  test_support::FakeResponse reply;
  const char* message;
};

void PrintTo(const HostileReplyCase& c, std::ostream* out) { *out << c.name; }

class HostileReplyTest : public MainWindowTest, public testing::WithParamInterface<HostileReplyCase> {};

// Nothing but a real short link, or a real address to expand to, reaches the result box.
// (Wine's WinHttp cuts a long header line and a header at a zero byte into an address
// that looks whole, so the length and zero-byte rules of a Location are checked on
// their own, with the client.)
TEST_P(HostileReplyTest, ShowsItsMessageAndLeavesTheResultBoxAlone) {
  const HostileReplyCase& c = GetParam();
  server.route(c.shorten ? "/2/short_url/shorten.json" : "/h5ef4", c.reply);
  type(form().resultBox, "kept");
  type(form().inputBox, c.shorten ? "example.com/" : (server.baseUrl() + "/h5ef4").c_str());
  MessageBoxWatcher watcher;
  click(c.shorten ? form().shortenButton : form().expandButton);
  EXPECT_EQ(textOf(form().resultBox), "kept");
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, c.message);
}

std::string shortLinkReply(const std::string& shortLink) {
  return R"({"urls":[{"result":true,"url_short":")" + shortLink + R"(","url_long":"http://example.com/"}]})";
}

test_support::FakeResponse redirectTo(const std::string& location) { return {302, "", {{"Location", location}}}; }

constexpr char noShortLink[] = "短链接服务没有返回短链接";
constexpr char notExpandable[] = "这不是可展开的短链接";

INSTANTIATE_TEST_SUITE_P(
    Replies, HostileReplyTest,
    testing::Values(
        HostileReplyCase{"ErrorPageWithALink", true, {500, "<html><a href=\"http://t.cn/help\">help</a></html>"},
                         "短链接服务返回错误：HTTP 500"},
        HostileReplyCase{"ErrorStatusWithAShortLink", true, {503, shortLinkReply("http://t.cn/h5ef4")},
                         "短链接服务返回错误：HTTP 503"},
        HostileReplyCase{"CutMidBody", true,
                         {200, R"({"urls":[{"url_short":"http://t.cn/h5ef4","url_lo)", {}, false, 400}, noShortLink},
        HostileReplyCase{"ZeroByteInTheCode", true, {200, shortLinkReply(std::string("http://t.cn/h5\0ef4", 18))},
                         noShortLink},
        HostileReplyCase{"ControlByteInTheCode", true, {200, shortLinkReply("http://t.cn/h5\x01" "ef4")}, noShortLink},
        HostileReplyCase{"EscapedLineBreakInTheCode", true, {200, shortLinkReply("http://t.cn/h5\\r\\nef4")},
                         noShortLink},
        HostileReplyCase{"InvalidUtf8InTheCode", true, {200, shortLinkReply("http://t.cn/h5\xff\xfe" "ef4")}, noShortLink},
        HostileReplyCase{"TenMegabyteCode", true, {200, shortLinkReply("http://t.cn/" + std::string(10 << 20, 'a'))},
                         noShortLink},
        HostileReplyCase{"CodeOfAnotherHost", true, {200, shortLinkReply("http://evil.example/h5ef4")}, noShortLink},
        HostileReplyCase{"CarriageReturnInLocation", false, redirectTo("http://example.com/a\rb"), notExpandable},
        HostileReplyCase{"RelativeLocation", false, redirectTo("/elsewhere"), notExpandable},
        HostileReplyCase{"ScriptLocation", false, redirectTo("javascript:alert(1)"), notExpandable}),
    [](const testing::TestParamInfo<HostileReplyCase>& info) { return info.param.name; });

// What the window's background holds at (x, y) of a unit's client area.
std::uint32_t backgroundBehind(HWND unit, int x, int y) {
  POINT point{x, y};
  MapWindowPoints(unit, mainWindow().window, &point, 1);
  const skin::SkinnedWindowRecord* record = skin::findSkinnedWindow(mainWindow().window);
  return record ? testing_support::rgbAt(record->backgroundImage, point.x, point.y) : 0xFFFFFFFFu;
}

TEST_F(MainWindowTest, TheContactLabelShowsTheBackgroundUnderItsText) {
  HWND label = form().contactLabel;
  const auto pumpFor = [](DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
      testing_support::pumpMessages();
      Sleep(10);
    }
  };
  const auto expectBackgroundAtCorners = [&](const char* after) {
    SCOPED_TRACE(after);
    for (const POINT corner : {POINT{2, 2}, POINT{148, 20}})
      EXPECT_TRUE(testing_support::rgbNear(testing_support::rgbOnScreen(label, corner.x, corner.y),
                                           backgroundBehind(label, corner.x, corner.y), 2));
  };
  ShowWindow(form().window, SW_MINIMIZE);
  pumpFor(100);
  ShowWindow(form().window, SW_RESTORE);
  pumpFor(200);
  expectBackgroundAtCorners("a restore");

  RECT left{0, 0, 20, 24};
  InvalidateRect(label, &left, FALSE);
  UpdateWindow(label);
  expectBackgroundAtCorners("a partial repaint");

  RECT frame;
  GetWindowRect(form().window, &frame);
  SetWindowPos(form().window, nullptr, frame.left + 30, frame.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  pumpFor(200);
  expectBackgroundAtCorners("a move");
}

}  // namespace
}  // namespace app
