// Fuzz target for the value classes: the text constructors (dotted object identifiers, dotted
// IPv4 addresses, strings) and the decoding constructor and text of every value class. Each
// value is encoded into a buffer of exactly its announced size, and what a text constructor
// builds must decode back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "ber/asn_counter64.h"
#include "ber/asn_ip_address.h"
#include "ber/asn_number.h"
#include "ber/asn_octet_string.h"
#include "ber/asn_oid.h"
#include "ber/asn_opaque.h"

namespace {

using vandrel::AsnValue;
using vandrel::BerReader;

std::vector<uint8_t> encodeExact(const AsnValue& value) {
  std::vector<uint8_t> wire(value.encodedSize());
  uint8_t* cursor = wire.data();
  value.encode(cursor);
  if (cursor != wire.data() + wire.size()) std::abort();
  if (value.toBytes() != wire) std::abort();
  return wire;
}

// decodeAs runs the decoding constructor of class `which` over `wire` (tag octet first).
std::unique_ptr<AsnValue> decodeAs(int which, const std::vector<uint8_t>& wire, BerReader& in) {
  in = BerReader(wire.data(), wire.size());
  in.next();
  switch (which) {
    case 0:
      return std::make_unique<vandrel::AsnInteger>(in);
    case 1:
      return std::make_unique<vandrel::AsnTimeTicks>(in);
    case 2:
      return std::make_unique<vandrel::AsnCounter>(in);
    case 3:
      return std::make_unique<vandrel::AsnGauge>(in);
    case 4:
      return std::make_unique<vandrel::AsnCounter64>(in);
    case 5:
      return std::make_unique<vandrel::AsnOid>(in);
    case 6:
      return std::make_unique<vandrel::AsnOctetString>(in);
    case 7:
      return std::make_unique<vandrel::AsnIpAddress>(in);
    default:
      return std::make_unique<vandrel::AsnOpaque>(in);
  }
}

// A value built from text must come back unchanged from its own encoding.
void roundTrip(int which, const AsnValue& built) {
  std::vector<uint8_t> wire = encodeExact(built);
  BerReader in;
  std::unique_ptr<AsnValue> decoded = decodeAs(which, wire, in);
  if (!in.ok() || !in.atEnd()) std::abort();
  if (decoded->toText() != built.toText()) std::abort();
  if (encodeExact(*decoded) != wire) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<uint8_t> rest(data + 1, data + size);  // exact size, for the sanitizers

  // The first byte picks the class for the decoding constructor; the rest is its encoding.
  int which = data[0] % 9;
  BerReader in;
  std::unique_ptr<AsnValue> decoded = decodeAs(which, rest, in);
  volatile size_t sink = decoded->toText().size();
  encodeExact(*decoded);

  // The same bytes as text for the three text constructors.
  std::string_view text(reinterpret_cast<const char*>(rest.data()), rest.size());
  vandrel::AsnOid oid(text);
  roundTrip(5, oid);
  vandrel::AsnIpAddress address(text);
  if (address.contentLength() != 4) std::abort();
  roundTrip(7, address);
  vandrel::AsnOctetString string(text);
  if (string.toText() != text.substr(0, vandrel::AsnValue::kMaxContentLength)) std::abort();
  roundTrip(6, string);
  sink = sink + oid.toText().size() + address.toText().size();
  return 0;
}
