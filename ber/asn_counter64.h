#ifndef VANDREL_BER_ASN_COUNTER64_H_
#define VANDREL_BER_ASN_COUNTER64_H_

#include <cstdint>
#include <string>

#include "ber/asn_value.h"

namespace vandrel {

// AsnNumber64 is the base of values that hold an unsigned 64-bit number.
class AsnNumber64 : public AsnValue {
 public:
  // encode writes the tag octet, then the length octets and content (encodeBody).
  void encode(uint8_t*& cursor) const override;

  uint64_t value() const { return value_; }

  // setValue stores `v` with the fewest octets that hold it as an unsigned number, 1 to 8, with no
  // leading 00 added for a set top bit (128 is the one octet 80). Discards any built text.
  void setValue(uint64_t v);

 protected:
  // Decoding constructor: `in` stands just after the tag octet. Reads the length and content;
  // past eight octets the value of the last eight remains (2^63 and above arrive as 00 and eight
  // octets). Empty content reads as 0, as for the 32-bit numbers.
  AsnNumber64(BerReader& in, uint16_t tag, const char* typeName);

  // encodeBody writes the length octets and content, no tag; octets above the 64 bits are 00, so
  // a decoded counter encodes again to the octets it arrived in.
  void encodeBody(uint8_t*& cursor) const;

  std::string buildText() const override;

 private:
  uint64_t value_ = 0;
};

// AsnCounter64 is the SNMPv2 Counter64 type (tag 0x46, type name "Counter64"); only received.
class AsnCounter64 : public AsnNumber64 {
 public:
  explicit AsnCounter64(BerReader& in);
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_COUNTER64_H_
