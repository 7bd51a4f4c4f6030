#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "loopback_peer.h"

namespace vandrel::test {

struct LoopbackPeer::State {
  int socket = -1;
  sockaddr_in sender{};
};

namespace {

int boundSocket(const char* address) {
  int s = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, address, &local.sin_addr);
  if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    throw std::runtime_error("cannot bind a loopback peer");
  }
  return s;
}

void sendTo(int s, const std::vector<uint8_t>& bytes, const sockaddr_in& to) {
  ::sendto(s, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

}  // namespace

LoopbackPeer::LoopbackPeer() : state_(std::make_unique<State>()) {
  state_->socket = boundSocket("127.0.0.1");
}

LoopbackPeer::~LoopbackPeer() { ::close(state_->socket); }

uint16_t LoopbackPeer::port() const {
  sockaddr_in local{};
  socklen_t size = sizeof local;
  getsockname(state_->socket, reinterpret_cast<sockaddr*>(&local), &size);
  return ntohs(local.sin_port);
}

std::vector<uint8_t> LoopbackPeer::receive() {
  pollfd wanted{state_->socket, POLLIN, 0};
  if (::poll(&wanted, 1, 2000) != 1) return {};
  std::vector<uint8_t> bytes(70000);
  socklen_t size = sizeof state_->sender;
  ssize_t n = ::recvfrom(state_->socket, bytes.data(), bytes.size(), 0,
                         reinterpret_cast<sockaddr*>(&state_->sender), &size);
  bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return bytes;
}

void LoopbackPeer::reply(const std::vector<uint8_t>& bytes) {
  sendTo(state_->socket, bytes, state_->sender);
}

void LoopbackPeer::replyFrom(const char* localAddress, const std::vector<uint8_t>& bytes) {
  int other = boundSocket(localAddress);
  sendTo(other, bytes, state_->sender);
  ::close(other);
}

}  // namespace vandrel::test
