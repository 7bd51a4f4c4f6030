#ifndef VANDREL_BER_ASN_NUMBER_H_
#define VANDREL_BER_ASN_NUMBER_H_

#include <cstdint>
#include <string>

#include "ber/asn_value.h"

namespace vandrel {

// AsnNumber is the shared base of the values that hold a 32-bit number: INTEGER, TimeTicks,
// Counter and Gauge. It is never created by itself.
//
// INTEGER is signed. TimeTicks, Counter and Gauge are unsigned 32-bit types on the wire: they
// keep the same 32 bits in the signed field, but print as unsigned decimal and are built with
// the minimal encoding of the unsigned number (2^31 and above take a leading 00 octet).
class AsnNumber : public AsnValue {
 public:
  // encode writes the tag octet, then the length octets and content (encodeBody). Defined here so
  // that a caller that knows the class (a PDU's INTEGER fields) can have it inline.
  void encode(uint8_t*& cursor) const override {
    if (contentLength() == 1) {  // most numbers on the wire (request-ids, statuses, small values)
      uint8_t* out = cursor;
      out[0] = static_cast<uint8_t>(tag());
      out[1] = 1;
      out[2] = static_cast<uint8_t>(value_);
      cursor = out + 3;
      return;
    }
    *cursor++ = static_cast<uint8_t>(tag());
    encodeBody(cursor);
  }

  int32_t value() const { return value_; }

  // setValue stores `v` and sets the content length to the fewest octets that hold it as a two's
  // complement number (for the unsigned types, of its unsigned reading). Discards any built text.
  void setValue(int32_t v);

 protected:
  enum class Reading { kSigned, kUnsigned };

  AsnNumber(uint16_t tag, const char* typeName, Reading reading);
  // Decoding constructor: `in` stands just after the tag octet; reads the length and content.
  // The value keeps the content length it arrived with, so that it encodes to the same octets.
  AsnNumber(BerReader& in, uint16_t tag, const char* typeName, Reading reading);

  // encodeBody writes the length octets and content, no tag. A decoded value longer than the
  // number needs is padded in front with sign octets (00 for the unsigned types).
  void encodeBody(uint8_t*& cursor) const;

  std::string buildText() const override;

 private:
  int64_t widened() const;

  int32_t value_ = 0;
  Reading reading_;
};

// AsnInteger is the ASN.1 INTEGER (tag 0x02, type name "Integer").
class AsnInteger final : public AsnNumber {
 public:
  explicit AsnInteger(int32_t v);
  explicit AsnInteger(BerReader& in);
};

// AsnTimeTicks is the SNMP TimeTicks type (tag 0x43, type name "TimeTick"), hundredths of a
// second as an unsigned 32-bit number.
class AsnTimeTicks : public AsnNumber {
 public:
  explicit AsnTimeTicks(uint32_t v);
  explicit AsnTimeTicks(BerReader& in);
};

// AsnCounter is the SNMP Counter type (tag 0x41, type name "Counter"); only received, never built.
class AsnCounter : public AsnNumber {
 public:
  explicit AsnCounter(BerReader& in);
};

// AsnGauge is the SNMP Gauge type (tag 0x42, type name "Gauge"); only received, never built.
class AsnGauge : public AsnNumber {
 public:
  explicit AsnGauge(BerReader& in);
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_NUMBER_H_
