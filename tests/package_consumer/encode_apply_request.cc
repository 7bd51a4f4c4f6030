// Encodes the request the vandrel command sends, with the installed library only, checks it byte
// by byte, and decodes it back. Exits 0 when every byte and field is as expected.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ber/asn_number.h"
#include "ber/asn_oid.h"
#include "net/udp_transport.h"
#include "snmp/message_parser.h"
#include "snmp/pdu.h"
#include "snmp/snmp_message.h"
#include "snmp/varbind.h"

namespace {

int failures = 0;

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "FAILED: %s\n", what);
    ++failures;
  }
}

std::string hexText(const std::vector<uint8_t>& bytes) {
  std::string text;
  char octet[4];
  for (uint8_t byte : bytes) {
    std::snprintf(octet, sizeof octet, "%02X ", byte);
    text += octet;
  }
  return text;
}

}  // namespace

int main() {
  vandrel::SnmpMessage request(vandrel::kTagSetRequest, 0);
  request.setCommunity("public");
  request.setRequestId(123);
  request.addVarBind(std::make_unique<vandrel::VarBind>(
      std::make_unique<vandrel::AsnOid>("1.3.6.1.4.1.1872.2.1.2.1.2.0"),
      std::make_unique<vandrel::AsnInteger>(2)));

  std::vector<uint8_t> wire(request.encodedSize());
  uint8_t* cursor = wire.data();
  request.encode(cursor);

  const std::vector<uint8_t> expected = {0x30, 0x2C, 0x02, 0x01, 0x00, 0x04, 0x06, 'p',  'u',  'b',
                                         'l',  'i',  'c',  0xA3, 0x1F, 0x02, 0x01, 0x7B, 0x02, 0x01,
                                         0x00, 0x02, 0x01, 0x00, 0x30, 0x14, 0x30, 0x12, 0x06, 0x0D,
                                         0x2B, 0x06, 0x01, 0x04, 0x01, 0x8E, 0x50, 0x02, 0x01, 0x02,
                                         0x01, 0x02, 0x00, 0x02, 0x01, 0x02};
  check(cursor == wire.data() + wire.size(), "encode writes exactly encodedSize() bytes");
  check(wire == expected, "the request's bytes");
  if (wire != expected) {
    std::fprintf(stderr, "  got      %s\n  expected %s\n", hexText(wire).c_str(),
                 hexText(expected).c_str());
  }

  std::unique_ptr<vandrel::SnmpMessage> decoded =
      vandrel::MessageParser(wire.data(), wire.size()).release();
  check(decoded != nullptr, "the request decodes");
  if (decoded) {
    check(decoded->requestId() == 123, "decoded request-id");
    check(decoded->community() && *decoded->community() == "public", "decoded community");
    check(decoded->varBindCount() == 1, "decoded binding count");
    check(decoded->varBindOid(1) == "1.3.6.1.4.1.1872.2.1.2.1.2.0", "decoded binding name");
    check(decoded->varBindValue(1) == "2", "decoded binding value");
  }

  // The transport links too; an empty agent name leaves it not ready, so nothing is sent.
  vandrel::UdpTransport transport(161, "");
  check(!transport.ready(), "a transport without an agent is not ready");

  if (failures == 0)
    std::printf("request encoded and decoded as expected: %s\n", hexText(wire).c_str());
  return failures == 0 ? 0 : 1;
}
