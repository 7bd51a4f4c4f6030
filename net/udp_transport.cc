#include "net/udp_transport.h"

#include <algorithm>
#include <cassert>
#include <new>

#include "snmp/message_parser.h"

namespace vandrel {

UdpSocket::UdpSocket(int32_t port, int32_t timeoutSeconds) : timeout_(timeoutSeconds) {
  setBufferSize(kBufferSize);
  socketHandle_ = openUdpSocket();
  setPort(port);
}

UdpSocket::~UdpSocket() { closeSocket(socketHandle_); }

void UdpSocket::setPort(int32_t port) {
  port_ = port;
  remoteAddress_.port = {static_cast<uint8_t>(port >> 8), static_cast<uint8_t>(port)};
}

void UdpSocket::setBufferSize(uint32_t size) { buffer_.assign(size, 0); }

int32_t UdpSocket::recordError() {
  lastError_ = lastSocketError();
  return lastError_;
}

uint32_t UdpSocket::sendBytes(const uint8_t* bytes, size_t size, const Ipv4SocketAddress& to) {
  long sent = sendDatagram(socketHandle_, bytes, size, to);
  if (sent < 0) {
    recordError();
    return 0;
  }
  return static_cast<uint32_t>(sent);
}

uint32_t UdpSocket::sendMessage(const SnmpMessageBase& message, const Ipv4SocketAddress& to) {
  try {
    std::vector<uint8_t> wire(message.encodedSize());
    uint8_t* cursor = wire.data();
    message.encode(cursor);
    assert(cursor == wire.data() + wire.size());  // sizes and writers agree
    return sendBytes(wire.data(), wire.size(), to);
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

const uint8_t* UdpSocket::readDatagram() {
  receivedLength_ = 0;
  if (waitReadable(socketHandle_, timeout_) != WaitResult::kReadable) return nullptr;
  long length = receiveDatagram(socketHandle_, buffer_.data(), buffer_.size());
  // Receiving straight into the buffer, then clearing what lies past the datagram, leaves the
  // buffer holding the datagram followed by zero bytes, or only zero bytes after a failure.
  if (length <= 0) {
    recordError();
    length = 0;
  }
  std::fill(buffer_.begin() + length, buffer_.end(), uint8_t{0});
  receivedLength_ = static_cast<int32_t>(length);
  return receivedLength_ > 0 ? buffer_.data() : nullptr;
}

std::unique_ptr<SnmpMessage> UdpSocket::receiveMessage() {
  if (!readDatagram()) return nullptr;
  try {
    MessageParser parser(buffer_.data(), static_cast<size_t>(receivedLength_));
    return parser.release();
  } catch (const std::bad_alloc&) {  // a reply too large to hold is no reply
    return nullptr;
  }
}

UdpTransport::UdpTransport(int32_t port, std::string_view host) : UdpSocket(port, kDefaultTimeout) {
  if (!host.empty()) hostName_ = std::make_unique<std::string>(host);
  if (!resolveIpv4(hostName_ ? *hostName_ : std::string(), mutableRemoteAddress().address)) {
    recordError();
    return;
  }
  if (!bindAnyAddress(socketHandle())) {
    recordError();
    return;
  }
  ready_ = true;
}

uint32_t UdpTransport::send(const SnmpMessageBase& message) {
  if (!ready_) return 0;
  return sendMessage(message, remoteAddress());
}

std::unique_ptr<SnmpMessage> UdpTransport::receive() {
  if (!ready_) return nullptr;
  return receiveMessage();
}

}  // namespace vandrel
