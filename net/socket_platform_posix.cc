// POSIX sockets for the platform layer.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "net/socket_platform.h"

namespace vandrel {

namespace {

int fd(SocketHandle socket) { return static_cast<int>(socket); }

sockaddr_in toSockaddr(const Ipv4SocketAddress& from) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  std::memcpy(&to.sin_port, from.port.data(), from.port.size());
  std::memcpy(&to.sin_addr, from.address.data(), from.address.size());
  return to;
}

}  // namespace

void startSockets() {}

SocketHandle openUdpSocket() {
  int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
  return socket < 0 ? kInvalidSocket : static_cast<SocketHandle>(socket);
}

void closeSocket(SocketHandle socket) {
  if (socket != kInvalidSocket) ::close(fd(socket));
}

int lastSocketError() { return errno; }

bool resolveIpv4(const std::string& host, std::array<uint8_t, 4>& address) {
  if (host.empty()) {
    errno = EHOSTUNREACH;
    return false;
  }
  // inet_aton reads every dotted form inet_addr does (127.1, hexadecimal, octal).
  in_addr dotted{};
  if (inet_aton(host.c_str(), &dotted) != 0) {
    std::memcpy(address.data(), &dotted, address.size());
    return true;
  }
  addrinfo hints{};
  hints.ai_family = AF_INET;  // no AI_ADDRCONFIG: it fails on a host with only loopback addresses
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (status != 0 || found == nullptr) {
    // getaddrinfo reports in its own codes; record that the host cannot be reached.
    if (status != EAI_SYSTEM) errno = EHOSTUNREACH;
    return false;
  }
  const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  std::memcpy(address.data(), &first->sin_addr, address.size());
  freeaddrinfo(found);
  return true;
}

bool bindAnyAddress(SocketHandle socket) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(0);
  return ::bind(fd(socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

long sendDatagram(SocketHandle socket, const uint8_t* bytes, size_t size,
                  const Ipv4SocketAddress& to) {
  sockaddr_in remote = toSockaddr(to);
  return static_cast<long>(::sendto(fd(socket), bytes, size, 0,
                                    reinterpret_cast<const sockaddr*>(&remote), sizeof remote));
}

WaitResult waitReadable(SocketHandle socket, int32_t timeoutSeconds) {
  // poll rather than select: it has no limit on the descriptor's number.
  pollfd wanted{fd(socket), POLLIN, 0};
  constexpr int32_t kLongestWait = std::numeric_limits<int>::max() / 1000;
  int timeoutMs = timeoutSeconds <= 0 ? -1 : std::min(timeoutSeconds, kLongestWait) * 1000;
  int ready = ::poll(&wanted, 1, timeoutMs);
  if (ready < 0) return WaitResult::kFailed;
  if (ready == 0) return WaitResult::kTimedOut;
  return WaitResult::kReadable;
}

long receiveDatagram(SocketHandle socket, uint8_t* buffer, size_t size) {
  // MSG_TRUNC makes Linux return the datagram's real length, so that one longer than the buffer
  // is not silently taken cut short.
  ssize_t length = ::recvfrom(fd(socket), buffer, size, MSG_TRUNC, nullptr, nullptr);
  if (length < 0) return -1;
  if (static_cast<size_t>(length) > size) {
    errno = EMSGSIZE;
    return -1;
  }
  if (length == 0) {  // an empty datagram carries no message: a failed receive
    errno = ENODATA;
    return -1;
  }
  return static_cast<long>(length);
}

}  // namespace vandrel
