// Windows Sockets for the platform layer.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
// inet_addr is the sockets layer's own reader of every dotted form (127.1, hexadecimal, octal);
// newer compilers flag it as deprecated in favour of inet_pton, which reads fewer forms.
#define _WINSOCK_DEPRECATED_NO_WARNINGS
#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>
#include <cstring>

#include "net/socket_platform.h"

namespace vandrel {

namespace {

SOCKET handle(SocketHandle socket) { return static_cast<SOCKET>(socket); }

sockaddr_in toSockaddr(const Ipv4SocketAddress& from) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  std::memcpy(&to.sin_port, from.port.data(), from.port.size());
  std::memcpy(&to.sin_addr, from.address.data(), from.address.size());
  return to;
}

// Winsock lengths are int: a larger buffer is refused rather than cut short.
bool fitsInt(size_t size) { return size <= static_cast<size_t>(INT_MAX); }

}  // namespace

void startSockets() {
  // Version 1.1; the result is not examined: a failure shows as a socket that cannot be created.
  WSADATA data;
  WSAStartup(MAKEWORD(1, 1), &data);
}

SocketHandle openUdpSocket() {
  SOCKET socket = ::socket(AF_INET, SOCK_DGRAM, 0);
  return socket == INVALID_SOCKET ? kInvalidSocket : static_cast<SocketHandle>(socket);
}

void closeSocket(SocketHandle socket) {
  if (socket != kInvalidSocket) ::closesocket(handle(socket));
}

int lastSocketError() { return WSAGetLastError(); }

bool resolveIpv4(const std::string& host, std::array<uint8_t, 4>& address) {
  // An empty name would resolve to this machine itself: refuse it.
  if (host.empty()) {
    WSASetLastError(WSAHOST_NOT_FOUND);
    return false;
  }
  in_addr dotted{};
  dotted.s_addr = ::inet_addr(host.c_str());
  if (dotted.s_addr != INADDR_NONE) {
    std::memcpy(address.data(), &dotted, address.size());
    return true;
  }
  // Not a dotted address (or 255.255.255.255, which inet_addr cannot tell from a failure): look
  // it up as a name and take its first IPv4 address.
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  int status = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (status != 0 || found == nullptr) {
    // getaddrinfo's codes are Winsock codes (EAI_NONAME is WSAHOST_NOT_FOUND).
    WSASetLastError(status != 0 ? status : WSAHOST_NOT_FOUND);
    return false;
  }
  const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  std::memcpy(address.data(), &first->sin_addr, address.size());
  ::freeaddrinfo(found);
  return true;
}

bool bindAnyAddress(SocketHandle socket) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(0);
  return ::bind(handle(socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

long sendDatagram(SocketHandle socket, const uint8_t* bytes, size_t size,
                  const Ipv4SocketAddress& to) {
  if (!fitsInt(size)) {
    WSASetLastError(WSAEMSGSIZE);
    return -1;
  }
  sockaddr_in remote = toSockaddr(to);
  int sent = ::sendto(handle(socket), reinterpret_cast<const char*>(bytes), static_cast<int>(size),
                      0, reinterpret_cast<const sockaddr*>(&remote), sizeof remote);
  return sent == SOCKET_ERROR ? -1 : static_cast<long>(sent);
}

WaitResult waitReadable(SocketHandle socket, int32_t timeoutSeconds) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(handle(socket), &readable);
  timeval limit{};
  limit.tv_sec = timeoutSeconds;
  int ready = ::select(0, &readable, nullptr, nullptr, timeoutSeconds <= 0 ? nullptr : &limit);
  if (ready == SOCKET_ERROR) return WaitResult::kFailed;
  if (ready == 0) return WaitResult::kTimedOut;
  return WaitResult::kReadable;
}

long receiveDatagram(SocketHandle socket, uint8_t* buffer, size_t size) {
  // Winsock fails a datagram longer than the buffer with WSAEMSGSIZE and drops the rest of it,
  // so one is never taken cut short.
  int length = ::recvfrom(handle(socket), reinterpret_cast<char*>(buffer),
                          fitsInt(size) ? static_cast<int>(size) : INT_MAX, 0, nullptr, nullptr);
  if (length == SOCKET_ERROR) return -1;
  if (length == 0) {  // an empty datagram carries no message: a failed receive
    WSASetLastError(WSANO_DATA);
    return -1;
  }
  return static_cast<long>(length);
}

}  // namespace vandrel
