// Fuzz target for the whole receive path: a datagram from anyone on the network goes through the
// decoder; every getter of the message it yields is read, and the message is encoded again into a
// buffer of exactly its announced size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "snmp/message_parser.h"

namespace {

// Touches every byte of a text, so that a sanitizer sees a text that is not fully valid.
size_t consume(std::string_view text) {
  size_t sum = 0;
  for (char c : text) sum += static_cast<unsigned char>(c);
  return sum;
}

size_t consume(const std::string* text) { return text ? consume(*text) : 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy: any read past the datagram lands outside the allocation.
  std::vector<uint8_t> datagram(data, data + size);
  vandrel::MessageParser parser(datagram.data(), datagram.size());
  std::unique_ptr<vandrel::SnmpMessage> message = parser.release();
  if (!message) return 0;

  volatile size_t sink = 0;
  try {
    sink = sink + static_cast<uint32_t>(message->version());
  } catch (const vandrel::MissingVersion& missing) {
    sink = sink + static_cast<size_t>(missing.value());
  }
  sink = sink + consume(message->community());
  int32_t count = message->varBindCount();
  for (int32_t n = 0; n <= count + 1; ++n) {
    sink = sink + consume(message->varBindOid(n)) + consume(message->varBindType(n)) +
           consume(message->varBindValue(n));
  }
  for (int32_t field : {message->requestId(), message->errorIndex(), message->errorStatus(),
                        message->genericTrap(), message->specificTrap()}) {
    sink = sink + static_cast<uint32_t>(field);
  }
  sink = sink + message->timeStamp() + message->pduTag();
  sink = sink + consume(message->agentAddress()) + consume(message->enterprise());

  std::vector<uint8_t> wire(message->encodedSize());
  uint8_t* cursor = wire.data();
  message->encode(cursor);
  if (cursor != wire.data() + wire.size()) std::abort();  // sizes and writers must agree
  return 0;
}
