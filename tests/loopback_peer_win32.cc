#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

#include "loopback_peer.h"

namespace vandrel::test {

struct LoopbackPeer::State {
  SOCKET socket = INVALID_SOCKET;
  sockaddr_in sender{};
};

namespace {

void closeBound(SOCKET s) {
  if (s != INVALID_SOCKET) ::closesocket(s);
  WSACleanup();
}

SOCKET boundSocket(const char* address) {
  // Winsock counts its start-ups, so a peer may start it whatever the code under test did.
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("cannot start Winsock");
  SOCKET s = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, address, &local.sin_addr);
  if (s == INVALID_SOCKET || ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    closeBound(s);
    throw std::runtime_error("cannot bind a loopback peer");
  }
  return s;
}

void sendTo(SOCKET s, const std::vector<uint8_t>& bytes, const sockaddr_in& to) {
  ::sendto(s, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0,
           reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

}  // namespace

LoopbackPeer::LoopbackPeer() : state_(std::make_unique<State>()) {
  state_->socket = boundSocket("127.0.0.1");
}

LoopbackPeer::~LoopbackPeer() { closeBound(state_->socket); }

uint16_t LoopbackPeer::port() const {
  sockaddr_in local{};
  int size = sizeof local;
  getsockname(state_->socket, reinterpret_cast<sockaddr*>(&local), &size);
  return ntohs(local.sin_port);
}

std::vector<uint8_t> LoopbackPeer::receive() {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(state_->socket, &readable);
  timeval limit{2, 0};
  if (::select(0, &readable, nullptr, nullptr, &limit) != 1) return {};
  std::vector<uint8_t> bytes(70000);
  int size = sizeof state_->sender;
  int n = ::recvfrom(state_->socket, reinterpret_cast<char*>(bytes.data()),
                     static_cast<int>(bytes.size()), 0,
                     reinterpret_cast<sockaddr*>(&state_->sender), &size);
  bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return bytes;
}

void LoopbackPeer::reply(const std::vector<uint8_t>& bytes) {
  sendTo(state_->socket, bytes, state_->sender);
}

void LoopbackPeer::replyFrom(const char* localAddress, const std::vector<uint8_t>& bytes) {
  SOCKET other = boundSocket(localAddress);
  sendTo(other, bytes, state_->sender);
  closeBound(other);
}

}  // namespace vandrel::test
