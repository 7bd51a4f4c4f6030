#include "net/udp_transport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "cli/apply_request.h"
#include "failing_allocation.h"
#include "loopback_peer.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::encoded;
using test::hex;
using test::LoopbackPeer;
using test::toHex;

const Bytes kReply = hex(
    "30 2C 02 01 00 04 07 70 72 69 76 61 74 65 A2 1E 02 01 7B 02 01 00 02 01 00 30 13 30 11 06 0D "
    "2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02");

class UdpTransportTest : public testing::Test {
 protected:
  void SetUp() override { startSockets(); }
};

// sendApplyRequest sends the apply request to `agent` and has the agent receive it, so that it can
// answer.
void sendApplyRequest(UdpTransport& transport, LoopbackPeer& agent) {
  transport.send(*buildApplyRequest("private"));
  ASSERT_FALSE(agent.receive().empty());
}

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(UdpTransportTest, SendsOneDatagramAndDecodesTheReply) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  ASSERT_TRUE(transport.ready());
  EXPECT_EQ(5, transport.timeout());
  EXPECT_EQ(4096u, transport.bufferSize());
  auto request = buildApplyRequest("private");
  EXPECT_EQ(47u, transport.send(*request));
  EXPECT_EQ(toHex(encoded(*request)), toHex(agent.receive()));

  agent.reply(kReply);
  auto reply = transport.receive();
  ASSERT_NE(nullptr, reply);
  EXPECT_EQ(123, reply->requestId());
  EXPECT_EQ(static_cast<int32_t>(kReply.size()), transport.receivedLength());
  EXPECT_EQ(0, transport.lastError());
}

TEST_F(UdpTransportTest, AddressAndPortAreKeptInNetworkOrder) {
  UdpTransport transport(161, "127.0.0.1");
  EXPECT_EQ(161, transport.port());
  EXPECT_EQ("00 A1", toHex(Bytes(transport.remoteAddress().port.begin(),
                                 transport.remoteAddress().port.end())));
  EXPECT_EQ("7F 00 00 01", toHex(Bytes(transport.remoteAddress().address.begin(),
                                       transport.remoteAddress().address.end())));
  ASSERT_NE(nullptr, transport.hostName());
  EXPECT_EQ("127.0.0.1", *transport.hostName());
  // Every dotted form the sockets layer reads is taken without a name lookup.
  UdpTransport shortForm(161, "127.1");
  EXPECT_TRUE(shortForm.ready());
  EXPECT_EQ("7F 00 00 01", toHex(Bytes(shortForm.remoteAddress().address.begin(),
                                       shortForm.remoteAddress().address.end())));
}

// A transport whose agent does not resolve sends nothing and answers at once, without waiting.
TEST_F(UdpTransportTest, NotReadyTransportAnswersAtOnce) {
  UdpTransport transport(161, "");
  EXPECT_FALSE(transport.ready());
  EXPECT_EQ(nullptr, transport.hostName());
  EXPECT_NE(0, transport.lastError());
  transport.setTimeout(30);
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0u, transport.send(*buildApplyRequest("private")));
  EXPECT_EQ(nullptr, transport.receive());
  EXPECT_LT(secondsSince(start), 10.0);
}

TEST_F(UdpTransportTest, ReplyFromAnyAddressOrPortIsAccepted) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  sendApplyRequest(transport, agent);
  agent.replyFrom("127.0.0.1", kReply);  // another port
  EXPECT_NE(nullptr, transport.receive());
  agent.replyFrom("127.0.0.2", kReply);  // another address
  EXPECT_NE(nullptr, transport.receive());
}

TEST_F(UdpTransportTest, TimeOutGivesNothingAndRecordsNoError) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  transport.setTimeout(1);
  transport.send(*buildApplyRequest("private"));
  EXPECT_EQ(nullptr, transport.receive());
  EXPECT_EQ(0, transport.lastError());
  EXPECT_EQ(0, transport.receivedLength());
}

TEST_F(UdpTransportTest, ZeroTimeoutWaitsWithoutLimit) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  transport.setTimeout(0);
  sendApplyRequest(transport, agent);
  std::thread late([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    agent.reply(kReply);
  });
  EXPECT_NE(nullptr, transport.receive());
  late.join();
}

TEST_F(UdpTransportTest, FailedReceivesRecordAnError) {
  const struct {
    Bytes datagram;
    const char* why;
  } cases[] = {
      {Bytes(), "an empty datagram"},
      {Bytes(4097, 0x30), "a datagram longer than the buffer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    LoopbackPeer agent;
    UdpTransport transport(agent.port(), "127.0.0.1");
    sendApplyRequest(transport, agent);
    agent.reply(c.datagram);
    EXPECT_EQ(nullptr, transport.receive());
    EXPECT_NE(0, transport.lastError());
    EXPECT_EQ(0, transport.receivedLength());
  }
}

TEST_F(UdpTransportTest, RejectedDatagramGivesNoMessage) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  sendApplyRequest(transport, agent);
  Bytes tooLong = kReply;
  tooLong[1] = static_cast<uint8_t>(kReply.size() + 1);  // declared one more than the datagram
  agent.reply(tooLong);
  EXPECT_EQ(nullptr, transport.receive());
  EXPECT_EQ(0, transport.lastError());
}

TEST_F(UdpTransportTest, BufferHoldsTheDatagramFollowedByZeros) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  sendApplyRequest(transport, agent);
  agent.reply(Bytes(4000, 0xAA));  // fills most of the buffer; does not decode
  EXPECT_EQ(nullptr, transport.receive());
  EXPECT_EQ(4000, transport.receivedLength());
  agent.reply(kReply);
  EXPECT_NE(nullptr, transport.receive());
  const uint8_t* buffer = transport.buffer();
  EXPECT_EQ(toHex(kReply), toHex(Bytes(buffer, buffer + kReply.size())));
  for (size_t i = kReply.size(); i < transport.bufferSize(); ++i) ASSERT_EQ(0, buffer[i]) << i;
}

TEST_F(UdpTransportTest, MessageTooLargeForADatagramSendsNothing) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  EXPECT_EQ(0u, transport.send(*buildApplyRequest(std::string(65535, 'c'))));
  EXPECT_NE(0, transport.lastError());
}

// Running out of memory while encoding or decoding is a failed send or receive, not a crash.
TEST_F(UdpTransportTest, MemoryRunningOutFailsTheSendOrTheReceive) {
  LoopbackPeer agent;
  UdpTransport transport(agent.port(), "127.0.0.1");
  auto request = buildApplyRequest("private");
  {
    test::FailingAllocation failing;
    EXPECT_EQ(0u, transport.send(*request));
  }
  sendApplyRequest(transport, agent);
  agent.reply(kReply);
  std::unique_ptr<SnmpMessage> reply;
  {
    test::FailingAllocation failing;
    reply = transport.receive();
  }
  EXPECT_EQ(nullptr, reply);
  EXPECT_EQ(static_cast<int32_t>(kReply.size()), transport.receivedLength());
}

}  // namespace
}  // namespace vandrel
