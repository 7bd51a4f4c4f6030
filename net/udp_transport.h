#ifndef VANDREL_NET_UDP_TRANSPORT_H_
#define VANDREL_NET_UDP_TRANSPORT_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/socket_platform.h"
#include "snmp/snmp_message.h"
#include "snmp/snmp_message_base.h"

namespace vandrel {

// UdpSocket is one UDP socket with the agent's address, a receive time-out and a receive buffer.
// It sends a message in one datagram and receives one message. Failures are reported by return
// values and by the platform's error code kept in lastError(); nothing here prints or throws.
class UdpSocket {
 public:
  static constexpr uint32_t kBufferSize = 4096;
  static constexpr int32_t kDefaultTimeout = 5;

  // Creates the socket; its result shows later (a bind on an invalid socket fails).
  UdpSocket(int32_t port, int32_t timeoutSeconds);
  ~UdpSocket();  // closes the socket
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  // setPort stores the agent's port (host order) and its network-order form in remoteAddress.
  void setPort(int32_t port);
  // setBufferSize replaces the receive buffer with one of `size` bytes.
  void setBufferSize(uint32_t size);
  // setTimeout sets how many seconds receive waits; 0 waits without limit.
  void setTimeout(int32_t seconds) { timeout_ = seconds; }

  // sendMessage encodes `message` into a buffer of exactly its encoded size and sends it in one
  // datagram to `to`. Returns the bytes sent, or 0 on failure (memory running out among them).
  uint32_t sendMessage(const SnmpMessageBase& message, const Ipv4SocketAddress& to);
  // sendBytes sends `size` bytes in one datagram; returns the bytes sent, or 0 with the error
  // recorded.
  uint32_t sendBytes(const uint8_t* bytes, size_t size, const Ipv4SocketAddress& to);
  // receiveMessage waits for one datagram from anyone and decodes it. Returns a new message owned
  // by the caller, or null on time-out, on a failed receive, for a datagram that does not decode,
  // or when memory for the message runs out.
  std::unique_ptr<SnmpMessage> receiveMessage();
  // readDatagram waits up to the time-out and reads one datagram into the buffer, which then holds
  // it followed by zero bytes. Returns the buffer, or null when nothing was read. A time-out or a
  // failed wait records no error; a failed read (a datagram longer than the buffer among them)
  // does.
  const uint8_t* readDatagram();
  // recordError keeps the platform's last error code in lastError and returns it.
  int32_t recordError();

  int32_t port() const { return port_; }
  uint32_t bufferSize() const { return static_cast<uint32_t>(buffer_.size()); }
  const uint8_t* buffer() const { return buffer_.data(); }
  int32_t receivedLength() const { return receivedLength_; }
  int32_t lastError() const { return lastError_; }
  int32_t timeout() const { return timeout_; }
  const Ipv4SocketAddress& remoteAddress() const { return remoteAddress_; }

 protected:
  SocketHandle socketHandle() const { return socketHandle_; }
  Ipv4SocketAddress& mutableRemoteAddress() { return remoteAddress_; }

 private:
  int32_t port_ = 0;
  std::vector<uint8_t> buffer_;
  int32_t receivedLength_ = 0;
  int32_t lastError_ = 0;  // a success does not clear it
  int32_t timeout_;
  SocketHandle socketHandle_ = kInvalidSocket;
  Ipv4SocketAddress remoteAddress_;
};

// UdpTransport is a UdpSocket bound for one agent: it resolves the agent's host text (a dotted
// IPv4 address or a name), binds the socket to any local address and port, and is ready when
// both worked. Replies are accepted from any address: the first datagram is the reply.
class UdpTransport : public UdpSocket {
 public:
  UdpTransport(int32_t port, std::string_view host);

  // ready tells whether the agent resolved and the socket is bound.
  bool ready() const { return ready_; }
  // hostName lends the agent text, or returns null when it was empty.
  const std::string* hostName() const { return hostName_ ? &*hostName_ : nullptr; }

  // send encodes and sends `message` (not taken over). Returns the bytes sent; 0 at once when not
  // ready, or on failure.
  uint32_t send(const SnmpMessageBase& message);
  // receive returns the next message, or null: at once when not ready, else after at most the
  // time-out. The message belongs to the caller.
  std::unique_ptr<SnmpMessage> receive();

 private:
  std::unique_ptr<std::string> hostName_;
  bool ready_ = false;
};

}  // namespace vandrel

#endif  // VANDREL_NET_UDP_TRANSPORT_H_
