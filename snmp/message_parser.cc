#include "snmp/message_parser.h"

#include "ber/asn_counter64.h"
#include "ber/asn_ip_address.h"
#include "ber/asn_number.h"
#include "ber/asn_octet_string.h"
#include "ber/asn_oid.h"
#include "ber/asn_opaque.h"
#include "ber/ber_codec.h"
#include "snmp/pdu_body.h"

namespace vandrel {

namespace {

// makeElement decodes a binding's name or value of the class its tag selects; `in` stands just
// past the tag. Tags without a class of their own (NULL among them) become Opaque.
std::unique_ptr<AsnValue> makeElement(uint8_t tag, BerReader& in) {
  switch (tag) {
    case kTagInteger:
      return std::make_unique<AsnInteger>(in);
    case kTagOctetString:
      return std::make_unique<AsnOctetString>(in);
    case kTagOid:
      return std::make_unique<AsnOid>(in);
    case kTagIpAddress:
      return std::make_unique<AsnIpAddress>(in);
    case kTagCounter:
      return std::make_unique<AsnCounter>(in);
    case kTagGauge:
      return std::make_unique<AsnGauge>(in);
    case kTagTimeTicks:
      return std::make_unique<AsnTimeTicks>(in);
    case kTagCounter64:
      return std::make_unique<AsnCounter64>(in);
    default:
      return std::make_unique<AsnOpaque>(in);
  }
}

// decodeBindings reads name and value elements until the binding list's end, pairing them into
// bindings. Returns false when the walk ran past the data.
bool decodeBindings(BerReader& in, uint64_t listEnd, const uint8_t* start, SnmpMessage& message) {
  auto offset = [&] { return static_cast<uint64_t>(in.pos - start); };
  std::unique_ptr<VarBind> binding;
  bool isName = true;
  while (in.ok() && offset() < listEnd) {
    if (isName) {
      in.next();       // the binding's SEQUENCE tag, not compared
      readLength(in);  // the binding's length, not used
    }
    uint8_t tag = in.next();
    if (!in.ok()) return false;
    std::unique_ptr<AsnValue> element = makeElement(tag, in);
    if (!in.ok()) return false;
    if (!binding) binding = std::make_unique<VarBind>();
    if (isName) {
      binding->setOid(std::move(element));
    } else {
      binding->setValue(std::move(element));
      message.addVarBind(std::move(binding));
    }
    isName = !isName;
  }
  // A name left without a value is discarded with `binding`.
  return in.ok();
}

}  // namespace

MessageParser::MessageParser(const uint8_t* datagram, size_t length) {
  BerReader in(datagram, length);
  in.next();  // the message's SEQUENCE tag, not compared
  uint32_t declared = readLength(in);
  // The declared length is compared with the whole datagram, as received.
  if (!in.ok() || declared > length) return;

  // Version and community are read before the message is made, so that a received community
  // takes the place of the default one instead of replacing it.
  std::unique_ptr<AsnInteger> version;
  if (readTag(in) == kTagInteger && in.ok()) version = std::make_unique<AsnInteger>(in);
  std::unique_ptr<AsnOctetString> community;
  if (readTag(in) == kTagOctetString && in.ok()) community = std::make_unique<AsnOctetString>(in);
  auto message = std::make_unique<SnmpMessage>(std::move(community));
  if (version) message->setVersion(std::move(version));
  // The PDU tag is the byte itself; a byte outside the six PDUs leaves the message without a body
  // and the walk goes on from the next byte.
  message->setPdu(makePduBody(in.next(), StandardPdu::Defaults::kAfterDecoding));
  readLength(in);  // the PDU's length, not used
  if (message->pdu()) message->pdu()->decodeBody(in);

  in.next();  // the binding list's SEQUENCE tag, not compared
  uint32_t listLength = readLength(in);
  if (!in.ok()) return;
  uint64_t listEnd = static_cast<uint64_t>(in.pos - datagram) + listLength;
  if (!decodeBindings(in, listEnd, datagram, *message)) return;

  message_ = std::move(message);
}

}  // namespace vandrel
