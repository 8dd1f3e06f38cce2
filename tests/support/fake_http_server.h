#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests: it answers from a table of exact paths
// and records every request. It runs on its own thread from construction to destruction,
// keeps connections alive as the platform's HTTP components expect, and marks every
// answer "Cache-Control: no-store" (unless the route sets it) so that nothing is served
// from the platform's cache on a later run.
//
//   test_support::FakeHttpServer server;
//   server.route("/2/short_url/shorten.json", {200, R"({"urls":[]})"});
//   ... request server.baseUrl() + "/2/short_url/shorten.json?..." ...
//   server.requests()[0].query
//
// Bodies are byte strings: one with a zero byte is written as std::string("a\0b", 3).

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace test_support {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

struct FakeResponse {
  int status = 200;
  std::string body;
  HttpHeaders headers;  // added after Content-Length, e.g. {"Location", "http://..."}
  // A service that takes the request and never answers; the connection stays open.
  bool neverAnswers = false;
  // A reply cut short: this Content-Length is sent instead of the body's, and the
  // connection is closed after the body.
  std::optional<size_t> declaredLength;
};

struct RecordedRequest {
  std::string method;
  std::string path;   // up to "?", as sent (not decoded)
  std::string query;  // after "?", as sent; empty when there is none
  HttpHeaders headers;
  std::string body;

  // The value of the first header of that name (case-insensitive), nullopt when absent.
  std::optional<std::string> header(std::string_view name) const;
};

class FakeHttpServer {
 public:
  FakeHttpServer();   // listens on an ephemeral port; check listening()
  ~FakeHttpServer();  // stops the thread and closes every connection
  FakeHttpServer(const FakeHttpServer&) = delete;
  FakeHttpServer& operator=(const FakeHttpServer&) = delete;

  bool listening() const { return port_ != 0; }
  unsigned short port() const { return port_; }
  std::string baseUrl() const;  // "http://127.0.0.1:PORT"
  // "https://127.0.0.1:PORT": the server reads the TLS handshake as an unfinished
  // request and never answers it, like a host whose TLS never completes.
  std::string tlsUrl() const;

  // Answers requests for exactly `path` (query ignored); any other path gets 404.
  void route(std::string path, FakeResponse response);
  std::vector<RecordedRequest> requests() const;

 private:
  struct Connection;
  void serve();
  bool serveReadyConnection(Connection& connection);
  FakeResponse responseFor(const std::string& path) const;

  std::uintptr_t listener_;  // SOCKET
  unsigned short port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::map<std::string, FakeResponse> routes_;
  std::vector<RecordedRequest> requests_;
  std::thread thread_;
};

// An address on 127.0.0.1 where nothing listens.
std::string closedPortUrl();

}  // namespace test_support
