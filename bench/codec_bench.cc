// Codec microbenchmarks: Vandrel's library against Net-SNMP's on the same messages, in one binary
// so that both run under the same conditions. Each pair measures the same work:
//
//   Encode          the tool's request, already built, to its wire bytes in a buffer that is reused
//                   from one message to the next (Vandrel: encodedSize, then encode; Net-SNMP:
//                   snmp_build, as before each send)
//   BuildAndEncode  the same from nothing: a new message with its one binding, encoded into a
//                   new buffer (Vandrel, as its transport sends) or the reused one (Net-SNMP),
//                   and freed
//   DecodeApply     the switch's reply to the tool, from bytes to a message object and freed again
//   DecodeTable/n   replies with n = 1, 10, 100, 1000 bindings: how the cost grows
//
// Before measuring, each benchmark checks that both libraries produce the request's exact bytes
// or decode every binding; a mismatch stops that benchmark with an error instead of a figure.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "cli/apply_request.h"
#include "netsnmp_codec.h"
#include "reply_datagrams.h"
#include "snmp/message_parser.h"

namespace {

using vandrel::MessageParser;
using vandrel::SnmpMessage;

constexpr char kCommunity[] = "private";

// The request as it goes on the wire for community "private": 47 bytes.
const std::vector<uint8_t> kRequestBytes = {
    0x30, 0x2D, 0x02, 0x01, 0x00, 0x04, 0x07, 'p',  'r',  'i',  'v',  'a',  't',  'e',  0xA3, 0x1F,
    0x02, 0x01, 0x7B, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x14, 0x30, 0x12, 0x06, 0x0D, 0x2B,
    0x06, 0x01, 0x04, 0x01, 0x8E, 0x50, 0x02, 0x01, 0x02, 0x01, 0x02, 0x00, 0x02, 0x01, 0x02};

std::vector<uint8_t> vandrelEncode(const SnmpMessage& message) {
  std::vector<uint8_t> wire(message.encodedSize());
  uint8_t* cursor = wire.data();
  message.encode(cursor);
  return wire;
}

struct NetsnmpRequestDeleter {
  void operator()(NetsnmpRequest* request) const { netsnmpFreeRequest(request); }
};
using NetsnmpRequestPtr = std::unique_ptr<NetsnmpRequest, NetsnmpRequestDeleter>;

NetsnmpRequestPtr newNetsnmpRequest(benchmark::State& state) {
  NetsnmpRequestPtr request(netsnmpNewRequest(kCommunity));
  size_t length = 0;
  const unsigned char* bytes = request ? netsnmpEncode(request.get(), &length) : nullptr;
  if (!bytes || !std::equal(bytes, bytes + length, kRequestBytes.begin(), kRequestBytes.end())) {
    state.SkipWithError("Net-SNMP did not encode the tool's request");
    return nullptr;
  }
  return request;
}

void Vandrel_Encode(benchmark::State& state) {
  std::unique_ptr<SnmpMessage> request = vandrel::buildApplyRequest(kCommunity);
  if (vandrelEncode(*request) != kRequestBytes) {
    state.SkipWithError("Vandrel did not encode the tool's request");
    return;
  }
  std::vector<uint8_t> buffer(4096);
  for (auto _ : state) {
    uint32_t size = request->encodedSize();
    if (size > buffer.size()) buffer.resize(size);
    uint8_t* cursor = buffer.data();
    request->encode(cursor);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}

void NetSnmp_Encode(benchmark::State& state) {
  NetsnmpRequestPtr request = newNetsnmpRequest(state);
  if (!request) return;
  for (auto _ : state) {
    size_t length = 0;
    benchmark::DoNotOptimize(netsnmpEncode(request.get(), &length));
    benchmark::ClobberMemory();
  }
}

void Vandrel_BuildAndEncode(benchmark::State& state) {
  for (auto _ : state) {
    std::unique_ptr<SnmpMessage> request = vandrel::buildApplyRequest(kCommunity);
    std::vector<uint8_t> wire = vandrelEncode(*request);
    benchmark::DoNotOptimize(wire.data());
    benchmark::ClobberMemory();
  }
}

void NetSnmp_BuildAndEncode(benchmark::State& state) {
  NetsnmpRequestPtr request = newNetsnmpRequest(state);
  if (!request) return;
  for (auto _ : state) {
    benchmark::DoNotOptimize(netsnmpBuildAndEncode(request.get()));
    benchmark::ClobberMemory();
  }
}

// Each decoding benchmark first checks that the library reads request-id 123 and every binding.
bool vandrelDecodes(const std::vector<uint8_t>& datagram, int bindings) {
  std::unique_ptr<SnmpMessage> message = MessageParser(datagram.data(), datagram.size()).release();
  return message && message->requestId() == 123 && message->varBindCount() == bindings;
}

bool netsnmpDecodes(const std::vector<uint8_t>& datagram, int bindings) {
  long count = -1;
  return netsnmpDecode(datagram.data(), datagram.size(), &count) == 123 && count == bindings;
}

void vandrelDecode(benchmark::State& state, const std::vector<uint8_t>& datagram, int bindings) {
  if (!vandrelDecodes(datagram, bindings)) {
    state.SkipWithError("Vandrel did not decode the reply");
    return;
  }
  for (auto _ : state) {
    std::unique_ptr<SnmpMessage> message =
        MessageParser(datagram.data(), datagram.size()).release();
    benchmark::DoNotOptimize(message->requestId());
  }
  state.counters["bindings"] = bindings;
  state.counters["bytes"] = static_cast<double>(datagram.size());
}

void netsnmpDecodeLoop(benchmark::State& state, const std::vector<uint8_t>& datagram,
                       int bindings) {
  if (!netsnmpDecodes(datagram, bindings)) {
    state.SkipWithError("Net-SNMP did not decode the reply");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(netsnmpDecode(datagram.data(), datagram.size(), nullptr));
  }
  state.counters["bindings"] = bindings;
  state.counters["bytes"] = static_cast<double>(datagram.size());
}

void Vandrel_DecodeApply(benchmark::State& state) {
  vandrelDecode(state, vandrel::bench::applyReply(), 1);
}
void NetSnmp_DecodeApply(benchmark::State& state) {
  netsnmpDecodeLoop(state, vandrel::bench::applyReply(), 1);
}

void Vandrel_DecodeTable(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  vandrelDecode(state, vandrel::bench::tableReply(n), n);
}
void NetSnmp_DecodeTable(benchmark::State& state) {
  int n = static_cast<int>(state.range(0));
  netsnmpDecodeLoop(state, vandrel::bench::tableReply(n), n);
}

BENCHMARK(Vandrel_Encode);
BENCHMARK(NetSnmp_Encode);
BENCHMARK(Vandrel_BuildAndEncode);
BENCHMARK(NetSnmp_BuildAndEncode);
BENCHMARK(Vandrel_DecodeApply);
BENCHMARK(NetSnmp_DecodeApply);
BENCHMARK(Vandrel_DecodeTable)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);
BENCHMARK(NetSnmp_DecodeTable)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

int main(int argc, char** argv) {
  netsnmpSetUp();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
