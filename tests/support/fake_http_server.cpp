#include "support/fake_http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace test_support {

namespace {

bool equalsIgnoringCase(std::string_view left, std::string_view right) {
  return left.size() == right.size() &&
         std::equal(left.begin(), left.end(), right.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

const char* reasonPhrase(int status) {
  switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

std::optional<std::string> headerValue(const HttpHeaders& headers, std::string_view name) {
  for (const auto& [headerName, value] : headers) {
    if (equalsIgnoringCase(headerName, name)) return value;
  }
  return std::nullopt;
}

// One request parsed from the front of `buffer`, or nullopt while it is incomplete.
std::optional<RecordedRequest> takeRequest(std::string& buffer) {
  const size_t headerEnd = buffer.find("\r\n\r\n");
  if (headerEnd == std::string::npos) return std::nullopt;
  const std::string_view head(buffer.data(), headerEnd);

  RecordedRequest request;
  size_t lineEnd = head.find("\r\n");
  const std::string_view requestLine = head.substr(0, lineEnd);
  const size_t methodEnd = requestLine.find(' ');
  const size_t targetEnd = requestLine.find(' ', methodEnd == std::string_view::npos ? 0 : methodEnd + 1);
  request.method = std::string(requestLine.substr(0, methodEnd));
  const std::string_view target =
      methodEnd == std::string_view::npos ? std::string_view()
                                          : requestLine.substr(methodEnd + 1, targetEnd - methodEnd - 1);
  const size_t queryStart = target.find('?');
  request.path = std::string(target.substr(0, queryStart));
  if (queryStart != std::string_view::npos) request.query = std::string(target.substr(queryStart + 1));

  while (lineEnd != std::string_view::npos) {
    const size_t lineStart = lineEnd + 2;
    lineEnd = head.find("\r\n", lineStart);
    const std::string_view line = head.substr(lineStart, lineEnd == std::string_view::npos
                                                             ? std::string_view::npos
                                                             : lineEnd - lineStart);
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    request.headers.emplace_back(std::string(trimmed(line.substr(0, colon))),
                                 std::string(trimmed(line.substr(colon + 1))));
  }

  const size_t bodyLength = static_cast<size_t>(
      std::strtoul(headerValue(request.headers, "Content-Length").value_or("0").c_str(), nullptr, 10));
  const size_t bodyStart = headerEnd + 4;
  if (buffer.size() - bodyStart < bodyLength) return std::nullopt;
  request.body = buffer.substr(bodyStart, bodyLength);
  buffer.erase(0, bodyStart + bodyLength);
  return request;
}

std::string responseText(const FakeResponse& response) {
  std::string text = "HTTP/1.1 " + std::to_string(response.status) + " " +
                     reasonPhrase(response.status) + "\r\n";
  text += "Content-Length: " + std::to_string(response.declaredLength.value_or(response.body.size())) + "\r\n";
  if (!headerValue(response.headers, "Cache-Control")) text += "Cache-Control: no-store\r\n";
  for (const auto& [name, value] : response.headers) text += name + ": " + value + "\r\n";
  text += "\r\n";
  text += response.body;
  return text;
}

bool sendAll(SOCKET socket, std::string_view data) {
  while (!data.empty()) {
    const int sent = send(socket, data.data(), static_cast<int>(data.size()), 0);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<size_t>(sent));
  }
  return true;
}

// A socket bound to 127.0.0.1 on an ephemeral port, and that port.
std::pair<SOCKET, unsigned short> bindLoopbackSocket() {
  SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) return {INVALID_SOCKET, 0};
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof address;
  if (bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(socket);
    return {INVALID_SOCKET, 0};
  }
  return {socket, ntohs(address.sin_port)};
}

std::string loopbackUrl(unsigned short port) { return "http://127.0.0.1:" + std::to_string(port); }

}  // namespace

std::optional<std::string> RecordedRequest::header(std::string_view name) const {
  return headerValue(headers, name);
}

struct FakeHttpServer::Connection {
  SOCKET socket;
  std::string buffer;
};

FakeHttpServer::FakeHttpServer() : listener_(INVALID_SOCKET) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  const auto [socket, port] = bindLoopbackSocket();
  if (socket == INVALID_SOCKET) return;
  if (listen(socket, SOMAXCONN) != 0) {
    closesocket(socket);
    return;
  }
  listener_ = socket;
  port_ = port;
  thread_ = std::thread([this] { serve(); });
}

FakeHttpServer::~FakeHttpServer() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  WSACleanup();
}

std::string FakeHttpServer::baseUrl() const { return loopbackUrl(port_); }

std::string FakeHttpServer::tlsUrl() const { return "https://127.0.0.1:" + std::to_string(port_); }

void FakeHttpServer::route(std::string path, FakeResponse response) {
  const std::lock_guard lock(mutex_);
  routes_[std::move(path)] = std::move(response);
}

std::vector<RecordedRequest> FakeHttpServer::requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

FakeResponse FakeHttpServer::responseFor(const std::string& path) const {
  const std::lock_guard lock(mutex_);
  const auto found = routes_.find(path);
  return found == routes_.end() ? FakeResponse{404} : found->second;
}

void FakeHttpServer::serve() {
  std::vector<Connection> connections;
  while (!stopping_) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(static_cast<SOCKET>(listener_), &readable);
    for (const Connection& connection : connections) FD_SET(connection.socket, &readable);
    timeval pollInterval{0, 20 * 1000};  // how soon a stop is noticed
    if (select(0, &readable, nullptr, nullptr, &pollInterval) <= 0) continue;

    if (FD_ISSET(static_cast<SOCKET>(listener_), &readable)) {
      const SOCKET accepted = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
      if (accepted != INVALID_SOCKET && connections.size() < FD_SETSIZE - 1) {
        connections.push_back({accepted, {}});
      } else if (accepted != INVALID_SOCKET) {
        closesocket(accepted);
      }
    }
    for (auto it = connections.begin(); it != connections.end();) {
      if (FD_ISSET(it->socket, &readable) && !serveReadyConnection(*it)) {
        closesocket(it->socket);
        it = connections.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (const Connection& connection : connections) closesocket(connection.socket);
}

// Reads what arrived and answers every complete request; false when the connection ends.
bool FakeHttpServer::serveReadyConnection(Connection& connection) {
  char chunk[4096];
  const int received = recv(connection.socket, chunk, sizeof chunk, 0);
  if (received <= 0) return false;
  connection.buffer.append(chunk, static_cast<size_t>(received));

  while (std::optional<RecordedRequest> request = takeRequest(connection.buffer)) {
    const FakeResponse response = responseFor(request->path);
    const bool closeAfter = equalsIgnoringCase(request->header("Connection").value_or(""), "close");
    {
      const std::lock_guard lock(mutex_);
      requests_.push_back(std::move(*request));
    }
    if (response.neverAnswers) continue;
    if (!sendAll(connection.socket, responseText(response)) || closeAfter || response.declaredLength) return false;
  }
  return true;
}

std::string closedPortUrl() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  const auto [socket, port] = bindLoopbackSocket();
  if (socket != INVALID_SOCKET) closesocket(socket);
  WSACleanup();
  return loopbackUrl(port);
}

}  // namespace test_support
