// A UDP peer on 127.0.0.1 for transport tests: it stands in for the agent on a port the system
// chooses, receives what the transport sends and answers from whichever local socket a test asks.
#ifndef VANDREL_TESTS_LOOPBACK_PEER_H_
#define VANDREL_TESTS_LOOPBACK_PEER_H_

#include <cstdint>
#include <memory>
#include <vector>

namespace vandrel::test {

class LoopbackPeer {
 public:
  // Binds a UDP socket to 127.0.0.1 and a port the system chooses.
  LoopbackPeer();
  ~LoopbackPeer();
  LoopbackPeer(const LoopbackPeer&) = delete;
  LoopbackPeer& operator=(const LoopbackPeer&) = delete;

  uint16_t port() const;

  // receive waits up to two seconds for one datagram and remembers its sender; empty on time-out.
  std::vector<uint8_t> receive();
  // reply sends `bytes` to the last sender from this peer's socket.
  void reply(const std::vector<uint8_t>& bytes);
  // replyFrom sends `bytes` to the last sender from another socket, bound to `localAddress`
  // (for example "127.0.0.2") and a port the system chooses.
  void replyFrom(const char* localAddress, const std::vector<uint8_t>& bytes);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vandrel::test

#endif  // VANDREL_TESTS_LOOPBACK_PEER_H_
