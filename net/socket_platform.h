// The thin platform layer under the UDP transport: the few socket operations it needs, written
// once per platform (POSIX sockets, Windows Sockets) in socket_platform_<platform>.cc. This header
// includes no system header, so nothing above net/ sees the platform's socket API.
#ifndef VANDREL_NET_SOCKET_PLATFORM_H_
#define VANDREL_NET_SOCKET_PLATFORM_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vandrel {

// SocketHandle holds a socket of either platform; kInvalidSocket (all bits set) is none.
using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle kInvalidSocket = ~SocketHandle{0};

// Ipv4SocketAddress is an IPv4 address and UDP port, both in network byte order.
struct Ipv4SocketAddress {
  std::array<uint8_t, 4> address{};
  std::array<uint8_t, 2> port{};
};

// startSockets starts the platform's sockets layer, asking for version 1.1 where there is one to
// start (Windows); elsewhere it does nothing. Its result is not examined: a failure shows later
// as a socket that cannot be created.
void startSockets();

// openUdpSocket creates an IPv4 UDP socket, or returns kInvalidSocket.
SocketHandle openUdpSocket();
void closeSocket(SocketHandle socket);

// lastSocketError returns the platform's code for the most recent failed socket operation.
int lastSocketError();

// resolveIpv4 takes `host` as a dotted IPv4 address, else looks it up as a name (first IPv4
// address). An empty or unresolvable host fails, leaving lastSocketError() set.
bool resolveIpv4(const std::string& host, std::array<uint8_t, 4>& address);

// bindAnyAddress binds the socket to every local address and a port the system chooses.
bool bindAnyAddress(SocketHandle socket);

// sendDatagram sends `size` bytes in one datagram to `to`; returns the bytes sent, or -1.
long sendDatagram(SocketHandle socket, const uint8_t* bytes, size_t size,
                  const Ipv4SocketAddress& to);

enum class WaitResult { kReadable, kTimedOut, kFailed };

// waitReadable waits until a datagram can be read: at most `timeoutSeconds`, or without limit
// when it is 0.
WaitResult waitReadable(SocketHandle socket, int32_t timeoutSeconds);

// receiveDatagram reads one datagram into `buffer` without asking for its sender. Returns its
// length, or -1 on failure. A datagram longer than `size` is a failure (EMSGSIZE, WSAEMSGSIZE),
// and so is an empty one (ENODATA, WSANO_DATA).
long receiveDatagram(SocketHandle socket, uint8_t* buffer, size_t size);

}  // namespace vandrel

#endif  // VANDREL_NET_SOCKET_PLATFORM_H_
